#include "scene/timer.h"

#include "platform/window.h"

bool CTimer::Init() {
    if (!plat::QueryPerformanceFrequency(&m_ticksPerSecond)) {
        m_ticksPerSecond = 0;
        return false;
    }
    plat::QueryPerformanceCounter(&m_startTime);
    return true;
}

float CTimer::GetElapsedSeconds(unsigned long) {
    static bool started = false;
    static std::int64_t s_lastTime = 0;
    if (!started) s_lastTime = m_startTime, started = true;
    std::int64_t now = 0;
    plat::QueryPerformanceCounter(&now);
    const double seconds =
        m_ticksPerSecond > 0 ? double(now - s_lastTime) / double(m_ticksPerSecond) : 0.0;
    s_lastTime = now;
    return float(seconds);
}

float CTimer::GetFPS(unsigned long frames) {
    static bool started = false;
    static std::int64_t s_lastTime = 0;
    if (!started) s_lastTime = m_startTime, started = true;
    std::int64_t now = 0;
    plat::QueryPerformanceCounter(&now);
    const std::int64_t ticks = now - s_lastTime;
    s_lastTime = now;
    if (ticks <= 0 || m_ticksPerSecond <= 0) return 0.0f;
    return float(double(frames) * double(m_ticksPerSecond) / double(ticks));
}
