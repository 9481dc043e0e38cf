#include "ui/HelpResources.h"

#include <QFile>
#include <QPalette>

#include "graphs/draw/JpegLoader.h"
#include "model/ProgramInfo.h"

// The resources are compiled into a static library, whose own registration the linker would leave
// out; the macro must be used outside any namespace.
static void RegisterHelpResources() { Q_INIT_RESOURCE(help); }

namespace vantorel {

namespace {

QByteArray ResourceBytes(const QString& path) {
    static const bool registered = (RegisterHelpResources(), true);
    (void)registered;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

QString HelpText(const char* file_name) {
    QString text = QString::fromUtf8(ResourceBytes(QString(":/texts/") + file_name));
    text.replace("@EMAIL@", ProgramEmailAddress);
    text.replace("@WEB@", ProgramWebAddress);
    while (text.endsWith('\n')) text.chop(1);
    return text;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 256}) {
        QPixmap picture;
        picture.loadFromData(ResourceBytes(QString(":/icons/vantorel-%1.png").arg(size)), "PNG");
        icon.addPixmap(picture);
    }
    return icon;
}

QPixmap HelpPicture(const char* file_name) {
    QPixmap picture;
    picture.loadFromData(ResourceBytes(QString(":/pictures/") + file_name), "PNG");
    return picture;
}

QImage CalculatorPicture() {
    const QByteArray jpeg = ResourceBytes(":/pictures/calculator-geometry.jpg");
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<size_t>(jpeg.size()))
        .Picture;
}

void SetHelpLook(QWidget& memo) {
    QFont font = memo.font();
    font.setPointSize(10);
    memo.setFont(font);
    QPalette palette = memo.palette();
    palette.setColor(QPalette::Base, QColor(204, 255, 204));
    memo.setPalette(palette);
}

}  // namespace vantorel
