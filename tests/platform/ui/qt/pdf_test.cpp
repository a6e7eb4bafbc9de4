// Writing a PDF where the user chose: the file others may read as his umask
// allows, an older file replaced whole, nothing left beside it.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/ui/qt/pagerender.h"
#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

class PdfTest : public QtTest {
protected:
    void SetUp() override { oldMask = ::umask(022); }
    void TearDown() override { ::umask(oldMask); }

    static print::Document onePage() {
        print::Document d{.size = print::A4};
        d.pages.emplace_back();
        return d;
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    mode_t oldMask = 0;
    QTemporaryDir dir;
};

TEST_F(PdfTest, ASavedPdfReplacesTheOlderOneAndOthersMayReadIt) {
    QFile old(path("DDJJ.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    ASSERT_EQ(writePdf(onePage(), path("DDJJ.pdf").toStdString()), "");
    QFile pdf(path("DDJJ.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    const QFileDevice::Permissions p = pdf.permissions();
    EXPECT_TRUE(p & QFileDevice::ReadGroup);
    EXPECT_TRUE(p & QFileDevice::ReadOther);
    EXPECT_FALSE(p & QFileDevice::WriteOther);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("DDJJ.pdf")});
}

}  // namespace
}  // namespace vorda::ui::qt::test
