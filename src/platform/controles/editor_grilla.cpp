#include "platform/controles/editor_grilla.h"

#include "platform/controles/errores_controles.h"

#include <QLineEdit>

EditorGrilla::EditorGrilla(QString nombre, QObject* padre) : QObject(padre), nombre_(std::move(nombre))
{
}

void EditorGrilla::setName(const QString& nombre)
{
    nombre_ = nombre;
    aplicar();
}

void EditorGrilla::setText(const QString& texto)
{
    if (texto == texto_)
        return;
    texto_ = texto;
    aplicar();
}

void EditorGrilla::setVisible(bool visible)
{
    visible_ = visible;
    aplicar();
}

void EditorGrilla::setDataField(const QString& campo)
{
    campo_ = campo;
    emit cambiado();
}

void EditorGrilla::setMaxLength(int largo)
{
    if (largo < 0)
        ErroresControl::Lanzar(ErroresControl::ValorNoValido);
    largo_ = largo;
    aplicar();
}

void EditorGrilla::setTag(const QString& etiqueta)
{
    etiqueta_ = etiqueta;
    emit cambiado();
}

void EditorGrilla::Vincular(QLineEdit& caja)
{
    if (caja_)
        disconnect(caja_, nullptr, this, nullptr);
    caja_ = &caja;
    connect(&caja, &QLineEdit::textChanged, this, [this](const QString& texto) {
        if (texto_ != texto) {
            texto_ = texto;
            emit cambiado();
        }
    });
    aplicar();
}

void EditorGrilla::aplicar()
{
    if (caja_) {
        caja_->setObjectName(nombre_);
        caja_->setMaxLength(largo_ == 0 ? SinLimiteQt : largo_);
        if (caja_->text() != texto_)
            caja_->setText(texto_);
        caja_->setVisible(visible_);
    }
    emit cambiado();
}
