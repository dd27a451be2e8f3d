#include "session/cartel_ventana.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QtMath>

namespace {

// The window was laid out in twips: 15 to the pixel at 96 dots per inch.
int px(int twips)
{
    return (twips + 7) / 15;
}

QRect rectangulo(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(px(izquierda), px(arriba), px(ancho), px(alto));
}

// Frame n (any number, 1 the first) as 0 to 11.
int cuadroDe(int n)
{
    constexpr int f = Lbf_CtrlDisplay::Fotogramas;
    return ((n - 1) % f + f) % f;
}

}  // namespace

QString Lbf_CtrlDisplay::TextoAbortado()
{
    return QStringLiteral("Abortado");
}

QImage Lbf_CtrlDisplay::ImageList1(int n)
{
    // Twelve spokes; the darkest one leads and turns a twelfth each frame,
    // the ones behind it fade out.
    QImage imagen(32, 32, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::white);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    const int cabeza = cuadroDe(n);
    for (int i = 0; i < Fotogramas; ++i) {
        const int atras = (cabeza - i + Fotogramas) % Fotogramas;
        const int gris = 60 + atras * 15;   // 60 at the head, 225 at the tail
        QPen pluma(QColor(gris, gris, gris));
        pluma.setWidthF(3.0);
        pluma.setCapStyle(Qt::RoundCap);
        p.setPen(pluma);
        const qreal angulo = qDegreesToRadians(i * 360.0 / Fotogramas);
        const QPointF direccion(qSin(angulo), -qCos(angulo));
        p.drawLine(direccion * 7.0, direccion * 13.5);
    }
    return imagen;
}

Lbf_CtrlDisplay::Lbf_CtrlDisplay()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Lbf_CtrlDisplay"));
    setWindowTitle(QStringLiteral("Procesando Datos"));
    // The operator waits for the task or cancels it; the other windows of the
    // program take no input meanwhile.
    setWindowModality(Qt::ApplicationModal);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    setAutoFillBackground(true);
    setFixedSize(px(7845), px(2970));

    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSize(12);
    fuente.setBold(true);
    const int arribas[3] = {240, 600, 960};
    for (int i = 0; i < 3; ++i) {
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("LblCtrol_%1").arg(i));
        // A little taller than drawn: the fonts here are taller than the
        // bitmap font the layout was made for, and the gap allows it.
        etiqueta->setGeometry(rectangulo(0, arribas[i], 7815, 255 + 45));
        // Of fixed size, a new text asks the window for no new layout (the
        // lines change at every row of a long load).
        etiqueta->setFixedSize(etiqueta->size());
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        etiqueta->setFont(fuente);
        etiqueta->setAutoFillBackground(true);
        etiqueta->setTextFormat(Qt::PlainText);
        LblCtrol[i] = etiqueta;
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rectangulo(3480, 1320, 1095, 975));
    Image1->setAlignment(Qt::AlignCenter);

    CmdDisplayCancelar = new QPushButton(QStringLiteral("&Cancelar "), this);
    CmdDisplayCancelar->setObjectName(QStringLiteral("CmdDisplayCancelar"));
    CmdDisplayCancelar->setGeometry(rectangulo(3120, 2400, 1695, 375));
    connect(CmdDisplayCancelar, &QPushButton::clicked, this,
            [this] { CmdDisplayCancelar->setText(TextoAbortado()); });

    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &Lbf_CtrlDisplay::Timer1_Timer);
    Timer1.start();

    // Load: centred on the screen, fresh cancel caption, first frame, and
    // about 78 % opaque (200 of 255) where the desktop composes windows.
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        const QRect area = pantalla->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    CmdDisplayCancelar->setText(QStringLiteral("&Cancelar"));
    MuestraFotograma(1);
    setWindowOpacity(200.0 / 255.0);
}

void Lbf_CtrlDisplay::Timer1_Timer()
{
    ++NroImagen;
    MuestraFotograma(NroImagen);
    if (NroImagen >= Fotogramas)
        NroImagen = 0;
}

void Lbf_CtrlDisplay::MuestraFotograma(int n)
{
    fotograma_ = n;
    QPixmap& cuadro = cuadros_[cuadroDe(n)];
    if (cuadro.isNull())
        cuadro = QPixmap::fromImage(ImageList1(n));
    Image1->setPixmap(cuadro);
}

void Lbf_CtrlDisplay::closeEvent(QCloseEvent* evento)
{
    if (evento->spontaneous())
        evento->ignore();
    else
        evento->accept();
}
