#include "lots/grilla_cantidades.h"

#include "platform/avisos.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/grilla.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"

#include <algorithm>
#include <cmath>

namespace {

const QString TituloCelda = QStringLiteral("Aviso al Operador");

// The characters that close an item of a pipe list and join a lot to its serial.
bool EsSeparador(QChar c)
{
    return c == u'|' || c == QChar(0xFF);
}

}  // namespace

bool GrillaCantidades::Iguales(double a, double b)
{
    return std::fabs(a - b) < Tolerancia;
}

GrillaCantidades::GrillaCantidades(Grilla& grilla, int columnaCantidad, int columnaDisponible, double& pedido)
    : grilla_(grilla), cantidad_(columnaCantidad), disponible_(columnaDisponible), pedido_(pedido)
{
}

bool GrillaCantidades::EsTexto(int columna) const
{
    return std::find(textos_.begin(), textos_.end(), columna) != textos_.end();
}

void GrillaCantidades::FiltraTecla(int columna, int& KeyAscii) const
{
    if (EsTexto(columna) && KeyAscii > 0 && KeyAscii <= 0xFFFF && EsSeparador(QChar(KeyAscii)))
        KeyAscii = 0;
}

double GrillaCantidades::Valor(int fila, int columna) const
{
    return Numeros::NumeroInicial(grilla_.TextMatrix(fila, columna));
}

void GrillaCantidades::Toolbar1_ButtonClick(int indice)
{
    Grilla& g = grilla_;
    switch (indice) {
    case 1:
    case 2: {
        const int columna = g.Col();
        if (!Editable(columna))
            return;
        // A blanked text cell is empty; a blanked quantity is 0.
        const QString valor = indice == 1 ? Recorta(g.Text()) : EsTexto(columna) ? QString() : QStringLiteral("0");
        for (int fila = g.Row() + 1; fila < g.Rows(); ++fila)
            g.setTextMatrix(fila, columna, valor);
        return;
    }
    case 3:
        g.setRow(0);
        for (int fila = 1; fila < g.Rows(); ++fila)
            g.setTextMatrix(fila, cantidad_, QStringLiteral("0"));
        DistribuyeCantidad();
        g.setRow(g.Rows() - 1);
        g.setCol(cantidad_);
        return;
    default:
        return;
    }
}

void GrillaCantidades::DistribuyeCantidad()
{
    Grilla& g = grilla_;
    double resto = pedido_;
    if (g.Rows() == 2) {
        g.setTextMatrix(1, cantidad_, Numeros::TextoPlano(resto));
        return;
    }
    for (int fila = 1; fila < g.Rows(); ++fila) {
        const double tiene = Valor(fila, cantidad_);
        const double disponible = Valor(fila, disponible_);
        if (resto + tiene <= disponible + Tolerancia) {
            g.setTextMatrix(fila, cantidad_, Numeros::TextoPlano(resto + tiene));
            resto = 0;
        } else {
            // A row with nothing available (the depot row may be negative) takes nothing.
            g.setTextMatrix(fila, cantidad_, Numeros::TextoPlano(std::max(0.0, disponible)));
            double suma = 0;
            SumaFilas(-1, suma);
            resto = pedido_ - suma;
        }
        if (resto < Tolerancia)
            return;
    }
}

void GrillaCantidades::SumaFilas(int MenosCual, double& Suma) const
{
    Procedimiento p(QStringLiteral("SumaFilas#"), LecturaValores::GestorSesion());
    p.paso([&] { Suma = 0; });
    for (int fila = 1; fila < grilla_.Rows(); ++fila) {
        if (fila == MenosCual)
            continue;
        if (!p.paso([&] { Suma += Valor(fila, cantidad_); }))
            return;
    }
}

void GrillaCantidades::ValidaCantidadCantidadPedida(bool& Valida) const
{
    Valida = false;
    Procedimiento(QStringLiteral("ValidaCantidadCantidadPedida"), LecturaValores::GestorSesion()).paso([&] {
        double suma = 0;
        SumaFilas(-1, suma);
        Valida = Iguales(suma, pedido_);
    });
}

QString GrillaCantidades::MotivoRechazo(const QString& texto, double& valor) const
{
    valor = 0;
    // A number pasted with its line break is still a number.
    const QString limpio = texto.trimmed();
    if (limpio.isEmpty())
        return QString();
    const std::optional<QString> canonico = Numeros::Canonico(limpio);
    if (!canonico)
        return QStringLiteral("La cantidad ingresada no es un número válido");
    valor = canonico->toDouble();
    if (valor < 0)
        return QStringLiteral("La Cantidad no puede ser Menor a Cero");
    if (soloEnteros_ && valor != std::floor(valor))
        return QStringLiteral("No Puede Informase Cantidades que no Sean Enteras");
    return QString();
}

void GrillaCantidades::Rechaza(const QString& mensaje)
{
    rechazado_ = true;
    MsgBox(mensaje, Avisos::Critico, TituloCelda);
}

void GrillaCantidades::CampoValida(CajaTexto& Texto)
{
    rechazado_ = false;
    Procedimiento(QStringLiteral("CampoValida"), LecturaValores::GestorSesion()).paso([&] {
        if (EsTexto(grilla_.Col())) {
            ValidaTexto(Texto);
            return;
        }
        const int fila = grilla_.Row();
        double valor = 0;
        const QString motivo = MotivoRechazo(Texto.text(), valor);
        if (!motivo.isEmpty()) {
            Rechaza(motivo);
            return;
        }
        if (valor > Valor(fila, disponible_) + Tolerancia) {
            Rechaza(sinDisponible_);
            return;
        }
        // The regional "2,5" goes in as "2.5": the cells are read by their leading number.
        grilla_.setTextMatrix(fila, cantidad_, Numeros::TextoPlano(valor));
    });
}

void GrillaCantidades::ValidaTexto(CajaTexto& Texto)
{
    // A pasted separator would split the item and shift every later one of the parallel list.
    const QString texto = Texto.text();
    if (std::any_of(texto.begin(), texto.end(), EsSeparador)) {
        Rechaza(QStringLiteral("No puede informar los caracteres | ni ÿ"));
        return;
    }
    grilla_.setTextMatrix(grilla_.Row(), grilla_.Col(), texto);
}

bool GrillaCantidades::CantidadesValidas()
{
    rechazado_ = false;
    for (int fila = 1; fila < grilla_.Rows(); ++fila) {
        double valor = 0;
        const QString motivo = MotivoRechazo(grilla_.TextMatrix(fila, cantidad_), valor);
        if (!motivo.isEmpty()) {
            grilla_.setRow(fila);
            grilla_.setCol(cantidad_);
            Rechaza(motivo);
            return false;
        }
    }
    return true;
}

void GrillaCantidades::Text_Propiedades(CajaTexto& Texto, int Col) const
{
    Texto.DataField.clear();
    Texto.Tag.clear();
    Texto.setMaxLength(25);
    if (Col == cantidad_) {
        Texto.DataField = QStringLiteral("Cantidad");
        Texto.setMaxLength(0);
    }
}
