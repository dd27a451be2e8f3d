#pragma once
// A disk that fails under SQLite, for one test: a file system registered as
// SQLite's default that passes every call through to the real one until it is
// armed, and then fails the chosen kind of call on the files of one folder
// after a number of them went through, as a worn or full disk does.
//
//   DiscoConFallas disco;                                 // before the session opens its file
//   disco.Arma(bd.Carpeta(), DiscoConFallas::Lleno, 3);   // the fourth write on fails
//   ... the write under test ...
//   disco.Repara();                                       // the disk works again
//
// Connections opened while it lives keep it after it is gone: it stays
// registered (and passing through) for the rest of the test binary.

#include <QString>

#include <functional>

class DiscoConFallas {
public:
    enum Tipo {
        Escritura,       // a write fails: SQLITE_IOERR_WRITE
        Lleno,           // a write finds the disk full: SQLITE_FULL
        Sincronizacion,  // a flush to the disk fails: SQLITE_IOERR_FSYNC
        Lectura,         // a read fails: SQLITE_IOERR_READ
        Diario,          // the rollback journal cannot be created: SQLITE_CANTOPEN
        Muerte,          // the process is killed (SIGKILL) at a write or flush, as by a power cut
    };

    DiscoConFallas();
    ~DiscoConFallas();
    DiscoConFallas(const DiscoConFallas&) = delete;
    DiscoConFallas& operator=(const DiscoConFallas&) = delete;

    // From now on, past `despuesDe` calls of that kind, every one fails (`veces` of them).
    void Arma(const QString& carpeta, Tipo tipo, int despuesDe, int veces = 1 << 30);
    void Repara();
    // The calls failed since the last Arma.
    int Fallidas() const;

    static QString Nombre(Tipo tipo);
    // What the session reports for a failure of that kind: the server's
    // number and how its Spanish description starts.
    static long Numero(Tipo tipo);
    static QString Aviso(Tipo tipo);
};

// Runs the work in a child process (a copy of this one) and waits for it: true
// when it was killed, false when it ran to its end. The child leaves without
// running this process's clean-up, so its copies of the fixtures stay the
// parent's. It must open its own connections: those of the parent are not its.
bool MuereEnOtroProceso(const std::function<void()>& trabajo);
