#include "wspolne/pomocnicze.h"

#include "widgets/dialogi.h"

#include <QTest>

SeamDialogow::SeamDialogow() {
    Dialogi::Test::wlacz();
    Dialogi::Test::wyczysc();
}

SeamDialogow::~SeamDialogow() {
    const int czeka = Dialogi::Test::ile_odpowiedzi_czeka();
    Dialogi::Test::wyczysc();
    if (czeka != 0)
        QTest::qFail("Nie wszystkie przygotowane odpowiedzi zostały użyte", __FILE__, __LINE__);
}
