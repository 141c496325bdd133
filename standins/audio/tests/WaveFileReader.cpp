#include "standins/audio/tests/WaveFileReader.h"

#include "testing/TestFiles.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
DWORD ReadDword(const std::string& bytes, size_t at)
{
    DWORD value = 0;
    if (at + 4 <= bytes.size())
        memcpy(&value, bytes.data() + at, 4);
    return value;
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void ReadSamples(const std::string& bytes, size_t at, WaveFile& file)
{
    const size_t block = file.format.wf.nBlockAlign;
    const size_t end = std::min<size_t>(bytes.size(), at + file.dataBytes);
    for (size_t i = at; block && i + block <= end; i += block)
    {
        if (file.format.wBitsPerSample == 8)
            file.samples.push_back((static_cast<unsigned char>(bytes[i]) - 128) / 128.0);
        else
        {
            short value = 0;
            memcpy(&value, bytes.data() + i, 2);
            file.samples.push_back(value / 32768.0);
        }
    }
}
} // namespace

WaveFile ReadWaveFile(const CString& path)
{
    WaveFile file;
    std::string bytes = ReadBytes(path);
    file.fileBytes = static_cast<DWORD>(bytes.size());
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 8, "WAVEfmt ") != 0 ||
        ReadDword(bytes, 16) != sizeof(PCMWAVEFORMAT) || bytes.compare(36, 4, "data") != 0)
        return file;
    file.riffBytes = ReadDword(bytes, 4);
    memcpy(&file.format, bytes.data() + 20, sizeof(PCMWAVEFORMAT));
    file.dataBytes = ReadDword(bytes, 40);
    file.valid = file.format.wf.wFormatTag == WAVE_FORMAT_PCM;
    ReadSamples(bytes, 44, file);
    return file;
}

ToneMeasure MeasureTone(const WaveFile& file, double threshold, double skip)
{
    ToneMeasure measure;
    const std::vector<double>& samples = file.samples;
    const double rate = file.format.wf.nSamplesPerSec;
    size_t first = 0;
    while (first < samples.size() && std::fabs(samples[first]) < threshold)
        ++first;
    first += static_cast<size_t>(skip * rate);
    if (first + 2 >= samples.size())
        return measure;
    std::vector<double> periods;
    double lastRise = -1;
    for (size_t i = first + 1; i < samples.size(); ++i)
        if (samples[i - 1] < 0 && samples[i] >= 0)
        {
            double rise = i - 1 + samples[i - 1] / (samples[i - 1] - samples[i]);
            if (lastRise >= 0)
                periods.push_back(rise - lastRise);
            lastRise = rise;
        }
    std::vector<double> levels;
    const size_t block = static_cast<size_t>(rate / 50);
    for (size_t start = first; block && start + block <= samples.size(); start += block)
    {
        double power = 0;
        for (size_t i = start; i < start + block; ++i)
            power += samples[i] * samples[i];
        levels.push_back(std::sqrt(power / block));
    }
    measure.found = periods.size() > 10 && !levels.empty();
    measure.seconds = (samples.size() - first) / rate;
    if (measure.found)
    {
        measure.frequency = rate / Median(periods);
        measure.rms = Median(levels);
    }
    return measure;
}

double RmsLevel(const WaveFile& file)
{
    double power = 0;
    for (double sample : file.samples)
        power += sample * sample;
    return file.samples.empty() ? 0 : std::sqrt(power / file.samples.size());
}
