#include "widgets/jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

namespace {

// libjpeg's default error handler calls exit(); ours jumps back to the caller.
struct Bledy {
    jpeg_error_mgr libjpeg;
    std::jmp_buf powrot;
};

[[noreturn]] void przerwij(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Bledy*>(info->err)->powrot, 1);
}

// Warnings are counted by libjpeg itself (num_warnings); nothing goes to stderr.
void bez_komunikatu(j_common_ptr info, int poziom) {
    if (poziom < 0) ++info->err->num_warnings;
}

void przygotuj_bledy(Bledy& bledy) {
    jpeg_std_error(&bledy.libjpeg);
    bledy.libjpeg.error_exit = przerwij;
    bledy.libjpeg.emit_message = bez_komunikatu;
}

// Everything a decoding touches lives on the heap behind one pointer that is
// set before setjmp and never changed after it, so a longjmp leaves nothing
// in an indeterminate state and skips no destructor.
struct Dekodowanie {
    jpeg_decompress_struct info{};
    Bledy bledy{};
    QImage obraz;
};

struct Kodowanie {
    jpeg_compress_struct info{};
    Bledy bledy{};
    QImage zrodlo;
    unsigned char* bufor = nullptr;
    unsigned long rozmiar = 0;
    ~Kodowanie() { std::free(bufor); }
};

}  // namespace

QImage dekoduj_jpeg(const QByteArray& dane, bool skala_szarosci) {
    if (dane.isEmpty()) return {};
    const auto d = std::make_unique<Dekodowanie>();
    d->info.err = &d->bledy.libjpeg;
    przygotuj_bledy(d->bledy);
    if (setjmp(d->bledy.powrot)) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(dane.constData()),
                 static_cast<unsigned long>(dane.size()));
    jpeg_read_header(&d->info, TRUE);
    d->info.out_color_space = skala_szarosci ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&d->info);

    const int skladowych = skala_szarosci ? 1 : 3;
    if (d->info.output_components == skladowych) {
        d->obraz =
            QImage(static_cast<int>(d->info.output_width), static_cast<int>(d->info.output_height),
                   skala_szarosci ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    }
    if (d->obraz.isNull()) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW wiersz = d->obraz.scanLine(static_cast<int>(d->info.output_scanline));
        jpeg_read_scanlines(&d->info, &wiersz, 1);
    }
    jpeg_finish_decompress(&d->info);
    // A truncated or damaged stream only gives warnings, and grey filler where data are missing.
    const bool uszkodzony = d->bledy.libjpeg.num_warnings > 0;
    jpeg_destroy_decompress(&d->info);
    if (uszkodzony) return {};
    return std::move(d->obraz);
}

QByteArray koduj_jpeg(const QImage& obraz, int jakosc) {
    if (obraz.isNull()) return {};
    const auto k = std::make_unique<Kodowanie>();
    const bool szary = obraz.isGrayscale() && !obraz.hasAlphaChannel();
    k->zrodlo = obraz.convertToFormat(szary ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    k->info.err = &k->bledy.libjpeg;
    przygotuj_bledy(k->bledy);
    if (setjmp(k->bledy.powrot)) {
        jpeg_destroy_compress(&k->info);
        return {};
    }
    jpeg_create_compress(&k->info);
    jpeg_mem_dest(&k->info, &k->bufor, &k->rozmiar);
    k->info.image_width = static_cast<JDIMENSION>(k->zrodlo.width());
    k->info.image_height = static_cast<JDIMENSION>(k->zrodlo.height());
    k->info.input_components = szary ? 1 : 3;
    k->info.in_color_space = szary ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&k->info);
    jpeg_set_quality(&k->info, std::clamp(jakosc, 1, 100), TRUE);
    jpeg_start_compress(&k->info, TRUE);
    while (k->info.next_scanline < k->info.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW wiersz =
            const_cast<JSAMPROW>(k->zrodlo.constScanLine(static_cast<int>(k->info.next_scanline)));
        jpeg_write_scanlines(&k->info, &wiersz, 1);
    }
    jpeg_finish_compress(&k->info);
    jpeg_destroy_compress(&k->info);
    return QByteArray(reinterpret_cast<const char*>(k->bufor), static_cast<qsizetype>(k->rozmiar));
}
