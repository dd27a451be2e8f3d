#pragma once
// A SesionBD connected to a fresh temporary SQLite file made from the schema,
// with or without the demo data. Every suite that touches the database starts
// here:
//
//   BasePrueba bd;                        // schema only
//   BasePrueba bd(BasePrueba::ConDemo);   // schema and the demo workshop
//   bd.Sesion().Ejecuta("INSERT INTO TA_MENU (Clave) VALUES ('X')");
//   bd.Conecta(*ModGlobal::gSesionBD);    // the program's own session on the same file
//
// Each kind of file is made once per test binary and copied for every fixture.
// While a fixture lives, the embedded database folder is its temporary folder,
// so a session connected without a server never touches the user's data.

#include "carpeta_temporal.h"
#include "impresion_qt.h"
#include "platform/db/sesion_bd.h"

#include <memory>

class BasePrueba {
public:
    enum Datos { SoloEsquema, ConDemo };

    explicit BasePrueba(Datos datos = SoloEsquema);
    ~BasePrueba();
    BasePrueba(const BasePrueba&) = delete;
    BasePrueba& operator=(const BasePrueba&) = delete;

    SesionBD& Sesion() { return *sesion_; }
    const QString& Archivo() const { return archivo_; }
    QString Carpeta() const { return carpeta_.Ruta(); }

    // Connects another session to this fixture's file (raises Falla when it cannot).
    void Conecta(SesionBD& sesion) const;
    // Connects a session to any SQLite file named by the server text (raises Falla when it cannot).
    static void ConectaArchivo(SesionBD& sesion, const QString& archivo);

    // The rows of a query as texts, one "a|b|c" per row: short checks of what a test wrote.
    QStringList Filas(const QString& sql);
    // The same through any session (the program's own, a second database).
    static QStringList Filas(SesionBD& sesion, const QString& sql);
    // DDL the session's dialect does not take (a trigger), straight on the file;
    // raises Falla with SQLite's message when it fails.
    void SqlDirecto(const QString& sql) const;

private:
    CarpetaTemporal carpeta_;
    QString archivo_;
    QString carpetaAnterior_;
    std::unique_ptr<SesionBD> sesion_;
};
