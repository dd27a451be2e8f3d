#include "platform/avisos.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Avisos {

namespace {
Servicio* instalado = nullptr;

struct BotonResultado {
    QMessageBox::StandardButton boton;
    int resultado;
};

std::vector<BotonResultado> botonesDe(int grupo)
{
    using B = QMessageBox;
    switch (grupo) {
    case AceptarCancelar: return {{B::Ok, OK}, {B::Cancel, Cancelar}};
    case AbortarReintentarIgnorar: return {{B::Abort, Abortar}, {B::Retry, Reintentar}, {B::Ignore, Ignorar}};
    case SiNoCancelar: return {{B::Yes, Si}, {B::No, No}, {B::Cancel, Cancelar}};
    case SiNo: return {{B::Yes, Si}, {B::No, No}};
    case ReintentarCancelar: return {{B::Retry, Reintentar}, {B::Cancel, Cancelar}};
    default: return {{B::Ok, OK}};
    }
}

const char* textoBoton(int resultado)
{
    switch (resultado) {
    case OK: return "Aceptar";
    case Cancelar: return "Cancelar";
    case Abortar: return "&Anular";
    case Reintentar: return "&Reintentar";
    case Ignorar: return "&Omitir";
    case Si: return "&Sí";
    case No: return "&No";
    }
    return "Aceptar";
}
}  // namespace

int ServicioQt::Mensaje(const QString& texto, int botones, const QString& titulo)
{
    QMessageBox caja(QApplication::activeWindow());
    caja.setWindowTitle(titulo.isEmpty() ? TituloAplicacion() : titulo);
    // The system breaks its lines with CR alone or CR LF.
    caja.setText(QString(texto).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n'));
    switch (botones & 0x70) {
    case Critico: caja.setIcon(QMessageBox::Critical); break;
    case Pregunta: caja.setIcon(QMessageBox::Question); break;
    case Exclamacion: caja.setIcon(QMessageBox::Warning); break;
    case Informacion: caja.setIcon(QMessageBox::Information); break;
    default: caja.setIcon(QMessageBox::NoIcon); break;
    }
    const auto lista = botonesDe(botones & 0x7);
    std::vector<std::pair<QAbstractButton*, int>> creados;
    for (const auto& b : lista) {
        QPushButton* boton = caja.addButton(b.boton);
        boton->setText(QString::fromUtf8(textoBoton(b.resultado)));
        creados.emplace_back(boton, b.resultado);
    }
    const int porDefecto = (botones & 0x300) >> 8;
    if (porDefecto < static_cast<int>(creados.size()))
        caja.setDefaultButton(static_cast<QPushButton*>(creados[porDefecto].first));
    caja.exec();
    for (const auto& [boton, resultado] : creados)
        if (caja.clickedButton() == boton)
            return resultado;
    // Closed with Esc or the window's close box: Cancel where there is one.
    for (const auto& b : lista)
        if (b.resultado == Cancelar)
            return Cancelar;
    return lista.size() == 1 ? lista.front().resultado : Cancelar;
}

int ServicioQt::Dialogo(QDialog& dialogo)
{
    return dialogo.exec();
}

Servicio& Actual()
{
    static ServicioQt qt;
    return instalado ? *instalado : qt;
}

void Instalar(Servicio* servicio)
{
    instalado = servicio;
}

QString TituloAplicacion()
{
    return QStringLiteral("Tervalio");
}

}  // namespace Avisos

int MsgBox(const QString& texto, int botones, const QString& titulo)
{
    return Avisos::Actual().Mensaje(texto, botones, titulo);
}
