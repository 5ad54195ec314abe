#pragma once

#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <unistd.h>

// Opens a FIFO for a moment unless the test ends within a second, so that code that waits in
// opening or reading it fails its guard rather than hanging the test.
class FifoLoeser {
public:
    explicit FifoLoeser(const QString &pfad)
        : m_loeser(std::async(std::launch::async, [this, name = QFile::encodeName(pfad)] {
            using namespace std::chrono_literals;
            if (m_fertig.get_future().wait_for(1s) == std::future_status::timeout)
                ::close(::open(name.constData(), O_RDWR));
        }))
    {
    }
    ~FifoLoeser() { m_fertig.set_value(); }

private:
    std::promise<void> m_fertig;
    std::future<void> m_loeser;
};
