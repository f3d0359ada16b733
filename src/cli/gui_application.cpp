#include "cli/gui_application.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <string_view>

#include "io/atomic_file.h"

namespace hk::cli {

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance()) return;
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiApplicationScope::~GuiApplicationScope() = default;

void WritePdf(const std::filesystem::path& file, const QString& title,
              const std::function<void(QPdfWriter&)>& draw) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        if (!title.isEmpty()) pdf.setTitle(title);
        draw(pdf);
    }
    WriteFileAtomic(file,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace hk::cli
