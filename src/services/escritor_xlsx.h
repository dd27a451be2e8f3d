#pragma once
// Writes the rows of a sheet into a real .xlsx file, row by row, with the
// library's constant-memory mode: what is held is one row, whatever the sheet's
// size. The workbook's other sheets are written empty.

#include "services/hoja_excel.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <QStringView>
#include <map>
#include <tuple>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

class EscritorXlsx : public Hoja::Destino {
public:
    explicit EscritorXlsx(QString ruta);
    ~EscritorXlsx() override;
    EscritorXlsx(const EscritorXlsx&) = delete;
    EscritorXlsx& operator=(const EscritorXlsx&) = delete;

    void Libro(int hojas, const Hoja::Plan& plan) override;
    void Escribe(const Hoja::Fila& fila) override;

    // Writes the file out. Empty when it was written; otherwise what failed
    // (the first failure counts).
    QString Cierra();
    const QString& Ruta() const { return ruta_; }

private:
    lxw_format* Formato(const Hoja::Estilo& estilo);
    void Anota(const QString& falla);
    // The text as UTF-8, valid until the next call.
    const char* utf8(QStringView texto);

    QString ruta_;
    lxw_workbook* libro_ = nullptr;
    lxw_worksheet* hoja_ = nullptr;
    double tamanoFuente_ = 11;
    using Clave = std::tuple<int, bool, bool, long long, int>;
    std::map<Clave, lxw_format*> formatos_;
    QString falla_;
    bool cerrado_ = false;
    std::vector<char> utf8_;
    QByteArray conSustitutos_;
    QStringEncoder codificador_{QStringEncoder::Utf8};
};
