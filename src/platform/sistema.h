#pragma once
// Identity of the workstation and of the running program, and the ways the
// program reaches outside itself (ending at once, starting a sibling, opening a
// file on the desktop). Each can be replaced, so tests run headless and can
// play any executable name.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace Sistema {

// Name of the running executable without folder or extension ("V_Pelmaro").
QString NombreEjecutable();
void FijarNombreEjecutable(const QString& nombre);

// Folder of the running executable, without a trailing separator.
QString CarpetaAplicacion();
void FijarCarpetaAplicacion(const QString& carpeta);

// The workstation's clock; tests pin it.
QDateTime Ahora();
void FijarReloj(std::function<QDateTime()> reloj);

// Ends the program at once: no further event of any window runs.
[[noreturn]] void TerminarPrograma(int codigo);
// Tests replace it with one that throws (it must not return).
void FijarTerminador(std::function<void(int)> terminador);

// Starts a program detached; the process id it got, 0 when it could not be started.
using Lanzador = std::function<qint64(const QString& programa, const QStringList& argumentos, const QString& carpeta)>;
qint64 Lanzar(const QString& programa, const QStringList& argumentos, const QString& carpeta);
void FijarLanzador(Lanzador lanzador);

// The process command line: the arguments after the program's name joined
// with blanks (the suite hands its parameter string as one or several words).
QString LineaDeComandos();
// Tests play a command line of their own; nothing goes back to the real one.
void FijarLineaDeComandos(std::optional<QString> linea);

// Opens a file in the desktop's program for it; false when that failed.
using Abridor = std::function<bool(const QString& archivo)>;
bool AbrirArchivo(const QString& archivo);
void FijarAbridor(Abridor abridor);

// Finds a file in a folder without regard to case; an executable name may come
// with or without ".EXE". Empty when there is none.
QString BuscaArchivo(const QString& carpeta, const QString& nombre, bool ejecutable = false);

}  // namespace Sistema

class InfoSistema {
public:
    // At most the 50 characters the suite's machine columns hold.
    static QString NombreMaquina();
    // Tests play a machine name of their own; an empty one gives the real name back.
    static void FijarNombreMaquina(const QString& nombre);
    static QString UsuarioEquipo();
    // A writable folder of the program's own (the system folder of the suite).
    static QString CarpetaSistema();
    static void FijarCarpetaSistema(const QString& carpeta);
};

class ComponenteAplicacion {
public:
    QString RutaAplicacion;
};
