#pragma once
// The one failure type of the program: what the Err object carried.

#include <QString>
#include <QByteArray>
#include <exception>

class Falla : public std::exception {
public:
    Falla(long numero, QString descripcion, QString origen = QString());

    long Numero = 0;
    QString Descripcion;
    QString Origen;

    const char* what() const noexcept override { return texto_.constData(); }

    // Numbers the system tests for, as the Basic runtime gave them.
    static constexpr long LlamadaNoValida = 5;   // invalid procedure call or argument
    static constexpr long Desbordamiento = 6;
    static constexpr long FueraDeRango = 9;      // subscript out of range
    static constexpr long TiposNoCoinciden = 13;
    static constexpr long ObjetoNoEstablecido = 91;

private:
    QByteArray texto_;
};

// Source text of failures raised by the program itself.
QString OrigenPrograma();
