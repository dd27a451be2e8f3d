#include "disco_con_fallas.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <mutex>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Estado {
    std::mutex m;
    bool armado = false;
    QByteArray carpeta;
    DiscoConFallas::Tipo tipo = DiscoConFallas::Escritura;
    int antes = 0;
    int veces = 0;
    int fallidas = 0;
};

Estado& estado()
{
    static Estado e;
    return e;
}

sqlite3_vfs* real = nullptr;
sqlite3_vfs envoltura;

struct Archivo {
    sqlite3_file base;
    sqlite3_file* real;
    const char* nombre;   // SQLite keeps it until the file is closed
};

sqlite3_file* de(sqlite3_file* f)
{
    return reinterpret_cast<Archivo*>(f)->real;
}

bool vigilado(const char* nombre)
{
    Estado& e = estado();
    return nombre && !e.carpeta.isEmpty() && QByteArray(nombre).startsWith(e.carpeta);
}

// Whether this call of that kind fails.
bool falla(sqlite3_file* f, DiscoConFallas::Tipo tipo)
{
    Estado& e = estado();
    const std::lock_guard<std::mutex> l(e.m);
    if (!e.armado || e.tipo != tipo || !vigilado(reinterpret_cast<Archivo*>(f)->nombre))
        return false;
    if (e.antes > 0) {
        --e.antes;
        return false;
    }
    if (e.veces <= 0)
        return false;
    --e.veces;
    ++e.fallidas;
    return true;
}

int cierra(sqlite3_file* f)
{
    sqlite3_file* r = de(f);
    const int rc = r->pMethods ? r->pMethods->xClose(r) : SQLITE_OK;
    f->pMethods = nullptr;
    return rc;
}

int lee(sqlite3_file* f, void* p, int n, sqlite3_int64 desde)
{
    if (falla(f, DiscoConFallas::Lectura))
        return SQLITE_IOERR_READ;
    return de(f)->pMethods->xRead(de(f), p, n, desde);
}

void muere(sqlite3_file* f)
{
    if (falla(f, DiscoConFallas::Muerte))
        std::raise(SIGKILL);
}

int escribe(sqlite3_file* f, const void* p, int n, sqlite3_int64 desde)
{
    muere(f);
    if (falla(f, DiscoConFallas::Escritura))
        return SQLITE_IOERR_WRITE;
    if (falla(f, DiscoConFallas::Lleno))
        return SQLITE_FULL;
    return de(f)->pMethods->xWrite(de(f), p, n, desde);
}

int trunca(sqlite3_file* f, sqlite3_int64 largo)
{
    return de(f)->pMethods->xTruncate(de(f), largo);
}

int sincroniza(sqlite3_file* f, int flags)
{
    muere(f);
    if (falla(f, DiscoConFallas::Sincronizacion))
        return SQLITE_IOERR_FSYNC;
    return de(f)->pMethods->xSync(de(f), flags);
}

int tamano(sqlite3_file* f, sqlite3_int64* largo)
{
    return de(f)->pMethods->xFileSize(de(f), largo);
}

int bloquea(sqlite3_file* f, int nivel)
{
    return de(f)->pMethods->xLock(de(f), nivel);
}

int desbloquea(sqlite3_file* f, int nivel)
{
    return de(f)->pMethods->xUnlock(de(f), nivel);
}

int reservado(sqlite3_file* f, int* r)
{
    return de(f)->pMethods->xCheckReservedLock(de(f), r);
}

int control(sqlite3_file* f, int op, void* arg)
{
    return de(f)->pMethods->xFileControl(de(f), op, arg);
}

int sector(sqlite3_file* f)
{
    return de(f)->pMethods->xSectorSize(de(f));
}

int caracteristicas(sqlite3_file* f)
{
    return de(f)->pMethods->xDeviceCharacteristics(de(f));
}

// Version 1: no shared memory nor mapping, as the files use a rollback journal.
const sqlite3_io_methods metodos = {1,       cierra,     lee,       escribe, trunca,  sincroniza,      tamano,
                                    bloquea, desbloquea, reservado, control, sector, caracteristicas, nullptr,
                                    nullptr, nullptr,    nullptr,   nullptr, nullptr};

int abre(sqlite3_vfs*, sqlite3_filename nombre, sqlite3_file* f, int flags, int* salida)
{
    auto* a = reinterpret_cast<Archivo*>(f);
    a->base.pMethods = nullptr;
    a->real = reinterpret_cast<sqlite3_file*>(a + 1);
    a->real->pMethods = nullptr;
    {
        Estado& e = estado();
        const std::lock_guard<std::mutex> l(e.m);
        a->nombre = nombre;
        if (e.armado && e.tipo == DiscoConFallas::Diario && vigilado(nombre) && (flags & SQLITE_OPEN_MAIN_JOURNAL)) {
            if (e.antes > 0) {
                --e.antes;
            } else if (e.veces > 0) {
                --e.veces;
                ++e.fallidas;
                return SQLITE_CANTOPEN;
            }
        }
    }
    const int rc = real->xOpen(real, nombre, a->real, flags, salida);
    if (a->real->pMethods)
        a->base.pMethods = &metodos;
    return rc;
}

void registra()
{
    static const bool hecho = [] {
        real = sqlite3_vfs_find(nullptr);
        envoltura = *real;
        envoltura.iVersion = 1;
        envoltura.zName = "disco_con_fallas";
        envoltura.szOsFile = int(sizeof(Archivo)) + real->szOsFile;
        envoltura.pAppData = nullptr;
        envoltura.xOpen = abre;
        envoltura.xDelete = [](sqlite3_vfs*, const char* n, int s) { return real->xDelete(real, n, s); };
        envoltura.xAccess = [](sqlite3_vfs*, const char* n, int f, int* r) { return real->xAccess(real, n, f, r); };
        envoltura.xFullPathname = [](sqlite3_vfs*, const char* n, int l, char* s) {
            return real->xFullPathname(real, n, l, s);
        };
        envoltura.xDlOpen = [](sqlite3_vfs*, const char* n) { return real->xDlOpen(real, n); };
        envoltura.xDlError = [](sqlite3_vfs*, int n, char* s) { real->xDlError(real, n, s); };
        envoltura.xDlSym = [](sqlite3_vfs*, void* h, const char* s) { return real->xDlSym(real, h, s); };
        envoltura.xDlClose = [](sqlite3_vfs*, void* h) { real->xDlClose(real, h); };
        envoltura.xRandomness = [](sqlite3_vfs*, int n, char* s) { return real->xRandomness(real, n, s); };
        envoltura.xSleep = [](sqlite3_vfs*, int n) { return real->xSleep(real, n); };
        envoltura.xCurrentTime = [](sqlite3_vfs*, double* t) { return real->xCurrentTime(real, t); };
        envoltura.xGetLastError = [](sqlite3_vfs*, int n, char* s) {
            return real->xGetLastError ? real->xGetLastError(real, n, s) : 0;
        };
        sqlite3_vfs_register(&envoltura, 1);
        return true;
    }();
    (void)hecho;
}

}  // namespace

DiscoConFallas::DiscoConFallas()
{
    registra();
}

DiscoConFallas::~DiscoConFallas()
{
    Repara();
}

void DiscoConFallas::Arma(const QString& carpeta, Tipo tipo, int despuesDe, int veces)
{
    Estado& e = estado();
    const std::lock_guard<std::mutex> l(e.m);
    e.carpeta = QFile::encodeName(QDir(QFileInfo(carpeta).canonicalFilePath()).absolutePath() + u'/');
    e.tipo = tipo;
    e.antes = despuesDe;
    e.veces = veces;
    e.fallidas = 0;
    e.armado = true;
}

void DiscoConFallas::Repara()
{
    Estado& e = estado();
    const std::lock_guard<std::mutex> l(e.m);
    e.armado = false;
}

int DiscoConFallas::Fallidas() const
{
    Estado& e = estado();
    const std::lock_guard<std::mutex> l(e.m);
    return e.fallidas;
}

QString DiscoConFallas::Nombre(Tipo tipo)
{
    switch (tipo) {
    case Escritura:
        return QStringLiteral("escritura");
    case Lleno:
        return QStringLiteral("disco lleno");
    case Sincronizacion:
        return QStringLiteral("sincronización");
    case Lectura:
        return QStringLiteral("lectura");
    case Diario:
        return QStringLiteral("diario");
    case Muerte:
        return QStringLiteral("muerte");
    }
    return QString();
}

long DiscoConFallas::Numero(Tipo tipo)
{
    switch (tipo) {
    case Lleno:
        return 1105;
    case Diario:
        return 5120;
    default:
        return 823;
    }
}

QString DiscoConFallas::Aviso(Tipo tipo)
{
    switch (tipo) {
    case Lleno:
        return QStringLiteral("No hay espacio en el disco");
    case Diario:
        return QStringLiteral("No se puede abrir un archivo de la base de datos");
    default:
        return QStringLiteral("Error de entrada o salida del disco");
    }
}

bool MuereEnOtroProceso(const std::function<void()>& trabajo)
{
    const pid_t hijo = fork();
    if (hijo == 0) {
        try {
            trabajo();
        } catch (...) {
        }
        _exit(0);
    }
    int estado = 0;
    if (hijo < 0 || waitpid(hijo, &estado, 0) != hijo)
        return false;
    return WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL;
}
