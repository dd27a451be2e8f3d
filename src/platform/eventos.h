#pragma once
// Lets pending events run in the middle of a long loop with user input held
// back: paints and timers run, keys and clicks wait until the loop is over and
// control is back in the event loop. Input the window system queues stays in
// its queue; input posted to an object during the pump is held and posted
// again after it, in its order, so a later pump holds it once more.
//
// Tests replace the pump to count or script its calls.

#include <functional>

namespace Eventos {

void Pendientes();

// An empty function puts the real pump back.
void FijarBombeo(std::function<void()> bombeo);

// A long step that lets no events run calls this: a statement from time to
// time while it runs, or before it waits on the server; the export before its
// notice closes. Whatever must show meanwhile (the progress notice's last
// text) paints itself when its time has come, or at once when `yaMismo`.
void DuranteEspera(bool yaMismo = false);

// What runs in DuranteEspera; an empty function clears it.
void FijarEspera(std::function<void(bool yaMismo)> alEsperar);

}  // namespace Eventos
