#pragma once
// A large database for the benchmarks: the demo's settings, users and voucher
// types, with its catalogue and drafts replaced by generated ones.
//
//   DatosGrandes d;                 // 100,000 articles, 10,000 plan lines
//   d.articulos = 20000;
//   const ResumenDatos r = CreaDatosGrandes(carpeta.filePath("grande.sqlite"), d);
//
// The articles are laid out for the browse window:
// - the first `insumos` are supplies (rubro "INS"); the next `compuestos`
//   carry `insumosPorArticulo` supplies each, all different;
// - the others spread over `rubros` rubros, `tipos` brands and `proveedores`
//   suppliers; families form a three-level hierarchy of two-digit steps
//   ("01" > "0101" > "010101"), most articles in the leaves, one in ten a level
//   up and one in a hundred at the top;
// - every thousandth article has no cost; none is suspended, so a list with
//   no filter shows them all.
// The drafts are one per production date, a week apart from `primeraFecha`,
// named by their date ("dd/mm/yyyy") as the window names them; their lines
// plan compound articles, an article on several dates and now and then twice
// on one date.
// Everything goes in one transaction through prepared statements.

#include <QDate>
#include <QString>

struct DatosGrandes {
    int articulos = 100000;
    int insumos = 1000;
    int compuestos = 10000;
    int insumosPorArticulo = 10;
    int rubros = 20;
    int tipos = 50;
    int proveedores = 200;
    int lineasPlan = 10000;
    int fechas = 10;
    QDate primeraFecha{2027, 3, 1};
};

struct ResumenDatos {
    long filas = 0;       // every row written
    int familias = 0;
    double segundos = 0;  // filling alone, without making the file
    QDate ultimaFecha;
};

// Makes the file (replacing one that exists) and fills it. Raises Falla.
ResumenDatos CreaDatosGrandes(const QString& archivo, const DatosGrandes& datos);

// ---- Shared by the benchmarks that fill the demo file with SQL of their own ----

#include "platform/avisos.h"

#include <QTemporaryDir>

struct sqlite3;

// No benchmark waits on a box: each one is counted (the first three printed)
// and answered with Abort; a dialog is rejected.
class AvisosContados : public Avisos::Servicio {
public:
    int Mensaje(const QString& texto, int botones, const QString& titulo) override;
    int Dialogo(QDialog& dialogo) override;
    int mostrados = 0;
};

// A file made by CreaBaseSqlite opened directly, with the suite's collations;
// closed with the object. Ejecuta raises Falla with the engine's message.
class BaseDirecta {
public:
    explicit BaseDirecta(const QString& archivo);
    ~BaseDirecta();
    BaseDirecta(const BaseDirecta&) = delete;
    BaseDirecta& operator=(const BaseDirecta&) = delete;
    void Ejecuta(const QString& sql);

private:
    sqlite3* db_ = nullptr;
};

class SesionBD;

// Connects the session to the file; raises Falla with the reason when it cannot.
void ConectaArchivo(SesionBD& bd, const QString& archivo);

// A benchmark's own database, made once in a temporary folder by `crea` (given
// the file's path), with the boxes counted by `avisos` and the program's
// session on it; the session is let go with the object.
class BaseDeBanco {
public:
    BaseDeBanco(const QString& nombre, void (*crea)(const QString& archivo), AvisosContados& avisos);
    ~BaseDeBanco();
    BaseDeBanco(const BaseDeBanco&) = delete;
    BaseDeBanco& operator=(const BaseDeBanco&) = delete;

private:
    QTemporaryDir carpeta_;
};

// The main of a benchmark program: offscreen unless told otherwise, a Qt
// application around the run, every benchmark registered run once.
int CorreBenchmarks(int argc, char** argv);
