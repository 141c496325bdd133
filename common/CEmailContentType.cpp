#include "common/CEmailContentType.h"

#include "common/PathHelpers.h"

namespace
{
struct ContentType
{
    const wchar_t* extension;
    const wchar_t* type;
};

const ContentType kContentTypes[] = {
    {L".gif", L"image/gif"},           {L".xbm", L"image/x-xbitmap"},
    {L".xpm", L"image/x-xpixmap"},     {L".png", L"image/x-png"},
    {L".ief", L"image/ief"},           {L".jpeg", L"image/jpeg"},
    {L".jpg", L"image/jpeg"},          {L".jpe", L"image/jpeg"},
    {L".tiff", L"image/tiff"},         {L".tif", L"image/tiff"},
    {L".rgb", L"image/rgb"},           {L".g3f", L"image/g3fax"},
    {L".xwd", L"image/x-xwindowdump"}, {L".pict", L"image/x-pict"},
    {L".ppm", L"image/x-portable-pixmap"}, {L".pgm", L"image/x-portable-graymap"},
    {L".pbm", L"image/x-portable-bitmap"}, {L".pnm", L"image/x-portable-anymap"},
    {L".bmp", L"image/x-ms-bmp"},      {L".ras", L"image/x-cmu-raster"},
    {L".pcd", L"image/x-photo-cd"},    {L".cgm", L"image/cgm"},
    {L".mil", L"image/x-cals"},        {L".cal", L"image/x-cals"},
    {L".fif", L"image/fif"},           {L".dsf", L"image/x-mgx-dsf"},
    {L".cmx", L"image/x-cmx"},         {L".wi", L"image/wavelet"},
    {L".dwg", L"image/x-dwg"},         {L".dxf", L"image/x-dxf"},
    {L".svf", L"image/x-svf"},         {L".bw", L"image/x-sgi-bw"},
    {L".rgba", L"image/x-sgi-rgba"},   {L".sgi", L"image/x-sgi-rgba"},
    {L".eps", L"image/x-eps"},         {L".epsi", L"image/x-eps"},
    {L".epsf", L"image/x-eps"},
};
} // namespace

CEmailContentType::CEmailContentType(const CString& path)
{
    SplitPath(path, m_fileName, m_extension, m_folder);
    m_extension.MakeLower();
    if (!Lookup())
        m_contentType = L"application/octet-stream";
}

bool CEmailContentType::Lookup()
{
    for (const ContentType& entry : kContentTypes)
    {
        if (m_extension == entry.extension)
        {
            m_contentType = entry.type;
            m_kind = kKnown;
            return true;
        }
    }
    m_kind = kDefault;
    return false;
}
