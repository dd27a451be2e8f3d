#pragma once
// The largest file this process may write, for one test: a write past it
// fails as it does on a full disk.

#include <sys/resource.h>

#include <csignal>

class LimiteDeArchivo {
public:
    explicit LimiteDeArchivo(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &anterior_);
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = anterior_;
        limite.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteDeArchivo()
    {
        setrlimit(RLIMIT_FSIZE, &anterior_);
        std::signal(SIGXFSZ, senal_);
    }
    LimiteDeArchivo(const LimiteDeArchivo&) = delete;
    LimiteDeArchivo& operator=(const LimiteDeArchivo&) = delete;

private:
    rlimit anterior_{};
    void (*senal_)(int) = SIG_DFL;
};
