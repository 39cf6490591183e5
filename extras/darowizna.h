#pragma once

#include "register/przelew.h"

#include <QString>

// The ready-made order for a voluntary payment to the program's maker. The
// program is free; nothing depends on whether the user makes the payment.
namespace darowizna {

QString autor();         // the maker's name
QString adres_autora();  // street, number, postal code and town on one line
QString konto_autora();  // 26 digits in the form 99 9999 9999 9999 9999 9999 9999
QString mail_autora();
QString tytul();  // "dobrowolna wpłata za program Vandoria"

// A cash deposit of 10,00 zł to the maker, symbol "06", no date, no sender.
Tprzelew przelew_do_autora();

}  // namespace darowizna
