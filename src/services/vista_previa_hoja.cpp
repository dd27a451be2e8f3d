#include "services/vista_previa_hoja.h"

#include "platform/avisos.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <vector>

using namespace Hoja;

namespace {

constexpr double altoFila = 15.0;        // points, the default row height
constexpr double anchoPredeterminado = 8.43;

// Width of a column in points, as the spreadsheet turns character widths into pixels.
double puntosDeAncho(double caracteres)
{
    if (caracteres <= 0)
        return 0;
    const double pixeles = caracteres < 1 ? caracteres * 12 : std::floor(caracteres * 7 + 5);
    return pixeles * 0.75;
}

class Pintor : public Destino {
public:
    explicit Pintor(QPrinter& impresora) : impresora_(impresora) {}

    void Libro(int, const Plan& plan) override
    {
        if (!pintor_.begin(&impresora_))
            return;
        const QRectF pagina = impresora_.pageRect(QPrinter::Point);
        double total = 0;
        x_.assign(plan.ultimaColumna + 2, 0);
        for (int c = 1; c <= plan.ultimaColumna; ++c) {
            const auto col = plan.columnas.find(c);
            const double caracteres = col == plan.columnas.end() ? anchoPredeterminado
                                                                 : col->second.ancho.value_or(anchoPredeterminado);
            x_[c] = total;
            total += puntosDeAncho(caracteres);
        }
        x_[plan.ultimaColumna + 1] = total;
        // Points to device pixels, shrunk to fit the page's width.
        const double ajuste = total > pagina.width() ? pagina.width() / total : 1.0;
        escala_ = impresora_.resolution() / 72.0 * ajuste;
        filasPorPagina_ = std::max(1, static_cast<int>(pagina.height() / (altoFila * ajuste)));
        fuente_ = QFont(QStringLiteral("Calibri"));
        fuente_.setPointSizeF(plan.tamanoFuente * ajuste);
        negrita_ = fuente_;
        negrita_.setBold(true);
        pagina_ = 0;
    }

    void Escribe(const Fila& fila) override
    {
        if (!pintor_.isActive())
            return;
        const int pagina = (fila.numero - 1) / filasPorPagina_;
        for (; pagina_ < pagina; ++pagina_)
            impresora_.newPage();
        const double y = ((fila.numero - 1) % filasPorPagina_) * altoFila * escala_;
        for (const Celda& celda : fila.celdas) {
            if (celda.columna + 1 >= static_cast<int>(x_.size()))
                continue;
            const double x = x_[celda.columna] * escala_;
            const double ancho = (x_[celda.columna + 1] - x_[celda.columna]) * escala_;
            if (ancho <= 0)
                continue;
            const QRectF caja(x, y, ancho, altoFila * escala_);
            if (celda.estilo.colorInterior)
                pintor_.fillRect(caja, QColor::fromRgb(ColorDePaleta(celda.estilo.colorInterior)));
            if (celda.estilo.bordes) {
                pintor_.setPen(QPen(Qt::black, 0));
                pintor_.drawRect(caja);
            }
            const QString texto = TextoMostrado(celda.valor, celda.estilo.formato);
            if (texto.isEmpty())
                continue;
            pintor_.setFont(celda.estilo.negrita ? negrita_ : fuente_);
            pintor_.setPen(celda.estilo.colorFuente ? QColor::fromRgb(*celda.estilo.colorFuente) : QColor(Qt::black));
            const Qt::Alignment lado = celda.valor.tipo == Valor::Tipo::Numero ? Qt::AlignRight : Qt::AlignLeft;
            const double margen = 2 * escala_;
            pintor_.save();
            pintor_.setClipRect(caja);
            pintor_.drawText(caja.adjusted(margen, 0, -margen, 0), lado | Qt::AlignVCenter, texto);
            pintor_.restore();
        }
    }

    void Fin()
    {
        if (pintor_.isActive())
            pintor_.end();
    }

private:
    QPrinter& impresora_;
    QPainter pintor_;
    std::vector<double> x_;
    double escala_ = 1;
    int filasPorPagina_ = 1;
    int pagina_ = 0;
    QFont fuente_;
    QFont negrita_;
};

}  // namespace

void PintaHoja(QPrinter& impresora, const ReproduceHoja& reproduce)
{
    Pintor pintor(impresora);
    reproduce(pintor);
    pintor.Fin();
}

void MuestraVistaPrevia(const ReproduceHoja& reproduce)
{
    QPrinter impresora(QPrinter::ScreenResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialogo(&impresora);
    dialogo.setWindowTitle(QStringLiteral("Vista preliminar"));
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                     [&reproduce](QPrinter* p) { PintaHoja(*p, reproduce); });
    Avisos::Actual().Dialogo(dialogo);
}
