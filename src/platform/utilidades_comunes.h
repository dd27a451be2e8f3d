#pragma once
// The suite's utility component: Null-safe values, text to number, code
// widths, character clean-up, paths, stored credentials, window placement and
// the second error manager.

#include "platform/falla.h"
#include "platform/moneda.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

class UtilidadesComunes {
public:
    // Null (or an invalid value) becomes the empty text; anything else is kept.
    QVariant ValorNoNulo(const QVariant& valor) const;
    QString ValorNoNuloTexto(const QVariant& valor) const;

    // 0 for an empty or non-numeric text; "Desbordamiento" beyond the range.
    Moneda TextoAMoneda(const QString& texto) const;
    double TextoADoble(const QString& texto) const;

    // Padded on the right with blanks to the width; a text as long as the
    // width or longer comes back unchanged.
    QString AjustaAncho(const QString& texto, int ancho) const;
    // Right-aligned in the width (blanks on the left); longer texts unchanged.
    QString AlineaDerecha(const QString& texto, int ancho) const;
    QString CortaTexto(const QString& texto, int largo = 250) const;
    QString QuitaCaracteres(const QString& texto, const QString& c1, const QString& c2 = QString(),
                            const QString& c3 = QString()) const;
    QString ReemplazaTexto(const QString& texto, const QString& que, const QString& porQue) const;
    int CuentaPalabras(const QString& texto) const;
    // Compared trimmed and without regard to case.
    bool ExisteEnArreglo(const QString& valor, const QStringList& lista) const;
    // The folder with "/" separators and one trailing "/", ready for a file name.
    QString NormalizaRuta(const QString& carpeta) const;

    QString CodificaTexto(const QString& texto) const;
    // A text that was never encoded comes back as it is.
    QString DecodificaTexto(const QString& texto) const;

    // Restores the window's placement kept from its last run.
    void InicializaFormulario(QWidget* formulario, int modo = 0) const;
    // Keeps the window's placement for the next run.
    void GuardaFormulario(QWidget* formulario, const QString& texto = QString()) const;

    // The base voucher type of a voucher-type code (trimmed, upper case).
    QString ObtieneTCSistema(const QString& tc) const;
    // The stored form of a lot key: trimmed and fitted to 25.
    QString TransformaClave(const QString& texto) const;

    // Shows the failure with Abort/Retry/Ignore and answers the operator's choice.
    int GestionaError(const Falla& falla, const QString& procedimiento) const;
};

// First letter of every word in upper case, the rest in lower case.
QString NombrePropio(const QString& texto);

// The error text every manager shows: "Ha ocurrido el Siguiente Error (n) desc".
QString TextoDeFalla(const Falla& falla);
