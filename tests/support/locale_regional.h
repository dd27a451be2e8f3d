#pragma once
// Puts the C library of the whole process in a regional locale for one test
// (numbers with a decimal comma, as the program's users have it) and back.
// A machine without that locale must fail the test, not pass it unseen:
// scripts/install-deps.sh makes es_AR.UTF-8 and es_ES.UTF-8.

#include <clocale>
#include <string>

class LocaleRegional {
public:
    explicit LocaleRegional(const char* nombre) : anterior_(std::setlocale(LC_ALL, nullptr))
    {
        puesto_ = std::setlocale(LC_ALL, nombre) != nullptr;
    }
    ~LocaleRegional() { std::setlocale(LC_ALL, anterior_.c_str()); }
    LocaleRegional(const LocaleRegional&) = delete;
    LocaleRegional& operator=(const LocaleRegional&) = delete;

    // The locale is in force and writes numbers with a decimal comma.
    bool Puesto() const { return puesto_ && std::localeconv()->decimal_point[0] == ','; }

private:
    std::string anterior_;
    bool puesto_ = false;
};
