#include "platform/pasos.h"

Falla FallaDeExcepcion(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const Falla& f) {
        return f;
    } catch (const std::bad_alloc&) {
        return Falla(7, QStringLiteral("Memoria insuficiente"));
    } catch (const std::exception& x) {
        // The library's words are English: the operator reads the number's own text first.
        return Falla(Falla::LlamadaNoValida, QStringLiteral("Llamada a procedimiento o argumento no válidos (%1)")
                            .arg(QString::fromLocal8Bit(x.what())));
    } catch (...) {
        return Falla(5, QStringLiteral("Error desconocido"));
    }
}

Procedimiento::Procedimiento(QString nombre, GestorError gestor)
    : nombre_(std::move(nombre)), gestor_(std::move(gestor))
{
}

Procedimiento Procedimiento::Silencioso(QString nombre)
{
    Procedimiento p(std::move(nombre), nullptr);
    p.silencioso_ = true;
    return p;
}

Procedimiento& Procedimiento::PasarPorAlto(long numero)
{
    pasarPorAlto_.insert(numero);
    return *this;
}

bool Procedimiento::paso(CuerpoPaso cuerpo)
{
    if (abandonado_)
        return false;
    for (;;) {
        try {
            cuerpo();
            return true;
        } catch (...) {
            Falla falla = FallaDeExcepcion(std::current_exception());
            ultima_ = falla;
            if (silencioso_ || pasarPorAlto_.count(falla.Numero))
                return true;
            const int respuesta = gestor_ ? gestor_(falla, nombre_) : 0;
            if (respuesta == RespuestaError::Reintentar)
                continue;
            if (respuesta == RespuestaError::Continuar)
                return true;
            abandonado_ = true;
            return false;
        }
    }
}
