#include "platform/controles/grilla.h"

#include "platform/controles/errores_controles.h"

#include <algorithm>

using namespace ErroresControl;

Grilla::Grilla(QObject* padre) : QObject(padre), formato_(2), celdas_(2, std::vector<Celda>(2))
{
}

void Grilla::setRows(int filas)
{
    if (filas < filasFijas_)
        Lanzar(ValorNoValido);
    if (filas == filas_)
        return;
    const int antes = filas_;
    emit antesDeCambiarFilas(antes, filas);
    celdas_.resize(size_t(filas), std::vector<Celda>(size_t(columnas_)));
    filas_ = filas;
    emit filasCambiadas(antes, filas);
    ajustarActual();
}

void Grilla::setCols(int columnas)
{
    if (columnas < columnasFijas_)
        Lanzar(ValorNoValido);
    if (columnas == columnas_)
        return;
    const int antes = columnas_;
    emit antesDeCambiarColumnas(antes, columnas);
    formato_.resize(size_t(columnas));
    for (auto& fila : celdas_)
        fila.resize(size_t(columnas));
    columnas_ = columnas;
    emit columnasCambiadas(antes, columnas);
    ajustarActual();
}

void Grilla::setFixedRows(int filas)
{
    if (filas < 0 || filas > filas_)
        Lanzar(ValorNoValido);
    if (filas == filasFijas_)
        return;
    emit antesDeCambiarFijas();
    filasFijas_ = filas;
    emit fijasCambiadas();
}

void Grilla::setFixedCols(int columnas)
{
    if (columnas < 0 || columnas > columnas_)
        Lanzar(ValorNoValido);
    if (columnas == columnasFijas_)
        return;
    emit antesDeCambiarFijas();
    columnasFijas_ = columnas;
    emit fijasCambiadas();
}

void Grilla::setRow(int fila)
{
    if (fila < 0 || fila >= filas_)
        Lanzar(FilaNoValida);
    if (fila == fila_)
        return;
    fila_ = fila;
    emit actualCambiada();
}

void Grilla::setCol(int columna)
{
    if (columna < 0 || columna >= columnas_)
        Lanzar(ColumnaNoValida);
    if (columna == columna_)
        return;
    columna_ = columna;
    emit actualCambiada();
}

QString Grilla::TextMatrix(int fila, int columna) const
{
    return celda(fila, columna).texto;
}

void Grilla::setTextMatrix(int fila, int columna, const QString& texto)
{
    Celda& c = celda(fila, columna);
    if (c.texto == texto)
        return;
    c.texto = texto;
    emit celdaCambiada(fila, columna);
}

QString Grilla::TextArray(int indice) const
{
    if (columnas_ == 0 || indice < 0)
        Lanzar(SubindiceNoValido);
    return TextMatrix(indice / columnas_, indice % columnas_);
}

void Grilla::setTextArray(int indice, const QString& texto)
{
    if (columnas_ == 0 || indice < 0)
        Lanzar(SubindiceNoValido);
    setTextMatrix(indice / columnas_, indice % columnas_, texto);
}

int Grilla::ColWidth(int columna) const
{
    validarColumna(columna);
    return formato_[size_t(columna)].ancho;
}

void Grilla::setColWidth(int columna, int twips)
{
    validarColumna(columna);
    if (twips < -1)
        Lanzar(ValorNoValido);
    const int ancho = twips == -1 ? AnchoColumnaPredeterminado : twips;
    if (formato_[size_t(columna)].ancho == ancho)
        return;
    formato_[size_t(columna)].ancho = ancho;
    emit columnaCambiada(columna);
}

int Grilla::ColAlignment(int columna) const
{
    validarColumna(columna);
    return formato_[size_t(columna)].alineacion;
}

void Grilla::setColAlignment(int columna, int alineacion)
{
    validarColumna(columna);
    if (alineacion < flexAlignLeftTop || alineacion > flexAlignGeneral)
        Lanzar(ValorNoValido);
    if (formato_[size_t(columna)].alineacion == alineacion)
        return;
    formato_[size_t(columna)].alineacion = alineacion;
    emit columnaCambiada(columna);
}

void Grilla::setCellBackColor(ColorBgr color)
{
    Celda& c = celda(fila_, columna_);
    if (c.fondo == color)
        return;
    c.fondo = color;
    emit celdaCambiada(fila_, columna_);
}

void Grilla::setCellForeColor(ColorBgr color)
{
    Celda& c = celda(fila_, columna_);
    if (c.tinta == color)
        return;
    c.tinta = color;
    emit celdaCambiada(fila_, columna_);
}

void Grilla::Clear()
{
    for (auto& fila : celdas_)
        std::fill(fila.begin(), fila.end(), Celda{});
    emit contenidoCambiado();
}

void Grilla::Refresh()
{
    emit refrescada();
}

const Grilla::Celda& Grilla::celda(int fila, int columna) const
{
    if (fila < 0 || fila >= filas_ || columna < 0 || columna >= columnas_)
        Lanzar(SubindiceNoValido);
    return celdas_[size_t(fila)][size_t(columna)];
}

Grilla::Celda& Grilla::celda(int fila, int columna)
{
    return const_cast<Celda&>(std::as_const(*this).celda(fila, columna));
}

void Grilla::validarColumna(int columna) const
{
    if (columna < 0 || columna >= columnas_)
        Lanzar(SubindiceNoValido);
}

void Grilla::ajustarActual()
{
    const int fila = std::clamp(fila_, 0, std::max(0, filas_ - 1));
    const int columna = std::clamp(columna_, 0, std::max(0, columnas_ - 1));
    if (fila == fila_ && columna == columna_)
        return;
    fila_ = fila;
    columna_ = columna;
    emit actualCambiada();
}
