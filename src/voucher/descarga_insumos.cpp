// The supply consumption of the compound articles a posting moves.
#include "voucher/posteo_stock.h"

namespace InsumosStock {

// Posting consumes no supplies yet: the grid's own lines are all it writes.
void DescargaInsumos(PosteoStock&) {}

}  // namespace InsumosStock
