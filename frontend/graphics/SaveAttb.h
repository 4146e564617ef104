#pragma once
// The picture dialog of "&Save To Disk...": the picture's height and width in inches, its pixels
// per inch and its colour depth. On OK it sizes the picture the caller handed it; a picture that
// cannot be created ends the dialog with kResultAbort instead.

#include <QDialog>
#include <QImage>

#include <memory>

namespace Ui {
class TdlgFormat;
}

namespace tervane {

// Colour depth of the saved picture, as the "Colors" group offers it.
enum class TPictureColours { BlackAndWhite, Colours16, Colours256, HighColour, TrueColour };

// Result of the dialog when the picture could not be created for lack of memory.
inline constexpr int kResultAbort = 3;

// Pixels of a picture side: round(ppi x inches), halves to even (2.5 in at 75 ppi gives 188).
// -1 when the product is not a finite number of at most 2^31 - 1.
long long PicturePixels(long double inches, long double ppi);

// Pictures above this many bytes (32 bits a pixel while drawing) count as lacking memory.
inline constexpr long long kMaxPictureBytes = 1LL << 30;

// A picture of w x h pixels to draw into, or a null image when it cannot be had.
QImage CreatePicture(long long width, long long height);

// The picture converted to the chosen colour depth: black and white (every pixel that is not
// white turns black), 16 colours (the standard 16-colour palette), 256 colours, 16 bits
// (5-5-5) or 24 bits.
QImage WithColourDepth(const QImage& picture, TPictureColours colours);

class TdlgFormat : public QDialog {
    Q_OBJECT
public:
    TdlgFormat(QImage& picture, QWidget* parent = nullptr);
    ~TdlgFormat() override;

    // "OK": reads the fields (a rejected entry is reported and the dialog stays open), sizes the
    // picture and ends with Accepted, or kResultAbort when the picture cannot be created.
    void btnOKClick();
    TPictureColours Colours() const;
    // The pixels per inch read by the last OK (the saved file's resolution).
    int PixelsPerInch() const { return m_ppi; }
    void SetValues(const QString& height, const QString& width, const QString& ppi);

private:
    std::unique_ptr<Ui::TdlgFormat> m_ui;
    QImage& m_picture;
    int m_ppi = 72;
};

} // namespace tervane
