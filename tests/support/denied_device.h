// A serial device that this test may not use, as /dev/ttyS0 is to a user outside the dialout
// group. File modes do not stop root, and the tests may run as root: while the object lives, the
// process acts as the unprivileged user "nobody" (its effective user id only, given back after).
#pragma once

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class CDeniedDevice {
  public:
    CDeniedDevice() {
        char szPath[] = "/tmp/orvane-denied-XXXXXX";
        const int nFile = ::mkstemp(szPath);
        if (nFile >= 0) {
            ::fchmod(nFile, 0);
            ::close(nFile);
            m_strPath = szPath;
        }
        m_bWasRoot = ::geteuid() == 0 && ::seteuid(kNobody) == 0;
    }
    ~CDeniedDevice() {
        if (m_bWasRoot && ::seteuid(0) != 0)
            std::abort(); // the rest of the run would act without its rights
        ::unlink(m_strPath.c_str());
    }
    CDeniedDevice(const CDeniedDevice&) = delete;
    CDeniedDevice& operator=(const CDeniedDevice&) = delete;

    const std::string& Path() const { return m_strPath; }

  private:
    static constexpr uid_t kNobody = 65534;
    std::string m_strPath;
    bool m_bWasRoot = false;
};
