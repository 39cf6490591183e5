#include "ui/okna.h"

Okna& okna() {
    static Okna wszystkie;
    return wszystkie;
}
