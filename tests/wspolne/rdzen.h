#pragma once

// Helpers of tests that need no window: failing devices, order builders, files.

#include "register/przelew.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QTemporaryDir>

#include <string_view>

// A device that fails once N bytes went through it: proves that read and
// write errors reach the user.
class UrzadzenieZawodne : public QIODevice {
    Q_OBJECT
  public:
    UrzadzenieZawodne(QByteArray dane, qint64 granica)
        : dane_(std::move(dane)), granica_(granica) {}
    QByteArray zapisane() const { return zapisane_; }
    qint64 size() const override { return dane_.size(); }

  protected:
    qint64 readData(char* dokad, qint64 ile) override;
    qint64 writeData(const char* skad, qint64 ile) override;

  private:
    QByteArray dane_;
    QByteArray zapisane_;
    qint64 granica_;
    qint64 pozycja_ = 0;
};

// A text slot of a file: length byte, then the bytes padded with zeros to the capacity.
QByteArray slot(std::string_view bajty, int pojemnosc, int dlugosc = -1);

// Windows-1250 bytes of a UTF-8 literal, for readable fixtures.
std::string w1250(const char* utf8);

Tprzelew przelew(const char* odbiorca, const char* zlote = "1", const char* grosze = "00",
                 const char* tytul = "", const char* data = "");

QByteArray czytaj_plik(const QString& sciezka);
void zapisz_plik(const QString& sciezka, const QByteArray& dane);
