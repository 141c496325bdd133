#include "common/CMonitor.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
// Long enough for an unhindered thread to take a free lock many times over.
const DWORD kBlockedMs = 200;

// Another thread takes the lock, notes that it had it and gives it back.
class CContender
{
public:
    explicit CContender(CMonitor& monitor)
        : m_thread([this, &monitor] {
              monitor.Lock();
              m_hadLock = true;
              monitor.Unlock();
          })
    {
    }
    ~CContender() { m_thread.join(); }

    bool HadLockWithin(DWORD ms)
    {
        for (DWORD waited = 0; !m_hadLock && waited < ms; waited += 10)
            Sleep(10);
        return m_hadLock;
    }

private:
    std::atomic<bool> m_hadLock{false};
    std::thread m_thread;
};
} // namespace

TEST(CMonitorTest, AnotherThreadWaitsUntilTheLastUnlock)
{
    CMonitor monitor;
    monitor.Lock();
    monitor.Lock(); // the holder may lock again
    CContender contender(monitor);
    EXPECT_FALSE(contender.HadLockWithin(kBlockedMs));
    monitor.Unlock();
    EXPECT_FALSE(contender.HadLockWithin(kBlockedMs));
    monitor.Unlock();
    EXPECT_TRUE(contender.HadLockWithin(kTestGiveUpMs));
}
