#pragma once
// Puts the process in another time zone for one test (TZ, read again by the
// C library) and back; tzdata is installed on the machines that run the tests.

#include <QByteArray>
#include <ctime>

class ZonaHoraria {
public:
    explicit ZonaHoraria(const char* zona) : habia_(qEnvironmentVariableIsSet("TZ")), anterior_(qgetenv("TZ"))
    {
        qputenv("TZ", zona);
        tzset();
    }
    ~ZonaHoraria()
    {
        if (habia_)
            qputenv("TZ", anterior_);
        else
            qunsetenv("TZ");
        tzset();
    }
    ZonaHoraria(const ZonaHoraria&) = delete;
    ZonaHoraria& operator=(const ZonaHoraria&) = delete;

private:
    bool habia_;
    QByteArray anterior_;
};
