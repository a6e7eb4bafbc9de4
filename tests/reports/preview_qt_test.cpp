// The print preview of a real report shown by the Qt backend (offscreen):
// its page count, menus, zoom presets and status texts, and the pages drawn
// as vectors at the zoom shown.
//
//   QtPreview   Annex II of a 120-line declaration: three pages; printing
//               without a printer, saving a PDF, the window's placement
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSpinBox>
#include <cstdlib>
#include <filesystem>

#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/errorclass.h"
#include "framework/previewwindows.h"
#include "framework/windowmanager.h"
#include "platform/ui/qt/childframe.h"
#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/pageview.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "reports/imprimir_anexos.h"
#include "tests/support/declarationseed.h"
#include "tests/support/offscreenapp.h"
#include "tests/support/tempdir.h"

extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace vorda::test {
namespace {

class QtPreview : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startOffscreenApplication("preview_qt_test"); }

    void SetUp() override {
        KeepPlacement = [this](ui::Window&, const std::string& section, PlacementStep step) {
            placements.push_back((step == PlacementStep::Save ? "save " : "load ") + section);
        };
        GlobalErrors().Init();
        DctInit();
        ASSERT_TRUE(seed::addAgent("1/23.45.678"));
        ASSERT_TRUE(seed::addDeclaration("1/23.45.678", "20050500"));
        ASSERT_TRUE(seed::addAnnexIIGenerated("1/23.45.678", "20050500", 120));
        AGENTE_PERIODO.set("1/23.45.67820050500");
        rt = std::make_unique<ui::Runtime>(backend);
        thread = rt->start([this] {
            IMPRIMIR_ANEXOII();
            ended = true;
        });
        ASSERT_TRUE(pumpUntil([this] { return preview() != nullptr && bars() != nullptr; }, 10000));
        pumpUntil([] { return false; }, 100);
    }

    void TearDown() override {
        KeepPlacement = nullptr;
        rt->shutdown();
        rt.reset();
        DctKill();
        GlobalErrors().Kill();
    }

    ui::Window* preview() const {
        for (ui::Window* w : rt->windows()) {
            if (w->caption() == "Report Preview")
                return w;
        }
        return nullptr;
    }
    ui::qt::ChildFrame* bars() const { return backend.childFrame(preview()->id()); }
    QString zone(int n) const { return bars()->statusZone(n)->text(); }
    ui::qt::PageView* view() const {
        return qobject_cast<ui::qt::PageView*>(
            backend.form(preview()->id())->widget(PreviewCtl::PageView));
    }
    void trigger(QAction* a) {
        ASSERT_NE(a, nullptr);
        a->trigger();
        pumpUntil([] { return false; }, 50);
    }
    // Saves a picture of the preview when VORDA_SHOTS names a folder.
    void shot(const char* name) {
        if (const char* dir = std::getenv("VORDA_SHOTS"))
            bars()->grab().save(QString::fromStdString(std::string(dir) + "/" + name));
    }

    // The first visible top-level widget of type T (a dialog the backend opened).
    template <typename T>
    T* dialog() const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<T*>(w); d != nullptr && d->isVisible())
                return d;
        }
        return nullptr;
    }

    std::vector<std::string> placements;
    TempDir dir;
    ui::qt::QtBackend backend;
    std::unique_ptr<ui::Runtime> rt;
    int thread = 0;
    bool ended = false;
};

TEST_F(QtPreview, shows_the_pages_with_status_zones_spin_and_the_checked_preset) {
    EXPECT_EQ(zone(2), QStringLiteral("Pág. 1 de 3"));
    EXPECT_EQ(zone(3), QStringLiteral("Zoom: 100%"));
    auto* spin = backend.form(preview()->id())->widget(PreviewCtl::Page);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->toolTip(), QStringLiteral("Ingrese una página de 1 a 3"));
    QStringList menus;
    for (QAction* a : bars()->menuBar()->actions())
        menus.push_back(a->text());
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&View"),
                                  QStringLiteral("&Zoom")}));
    QAction* hundred = bars()->action(static_cast<int>(PreviewCtl::FirstZoom) + 4);
    ASSERT_NE(hundred, nullptr);
    EXPECT_EQ(hundred->text(), QStringLiteral("100% Zoom"));
    EXPECT_TRUE(hundred->isChecked());
    auto* combo =
        qobject_cast<QComboBox*>(backend.form(preview()->id())->widget(PreviewCtl::ZoomList));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 7);
    EXPECT_EQ(combo->currentText(), QStringLiteral("100% Zoom"));
    EXPECT_EQ(view()->firstShown(), 1);
    EXPECT_NEAR(view()->scale(), view()->logicalDpiX() / 1000.0, 1e-9);
    shot("preview_100.png");
}

TEST_F(QtPreview, the_tile_preset_and_paging_follow_in_view_and_status_bar) {
    trigger(bars()->action(static_cast<int>(PreviewCtl::FirstZoom)));
    EXPECT_EQ(zone(3), QStringLiteral("Zoom: Organizar Páginas (Tile)"));
    EXPECT_EQ(zone(2), QStringLiteral("Pág. 1 de 3"));  // one page across and down
    trigger(bars()->action(PreviewCtl::NextPage));
    EXPECT_EQ(zone(2), QStringLiteral("Pág. 2 de 3"));
    EXPECT_EQ(view()->firstShown(), 2);
    ui::UserInput& in = rt->input();
    const ui::WindowId id = preview()->id();
    ASSERT_EQ(in.focus(id, PreviewCtl::Across), ui::InputResult::Done);
    ASSERT_EQ(in.type(id, PreviewCtl::Across, "2"), ui::InputResult::Done);
    ASSERT_EQ(in.leave(id), ui::InputResult::Done);
    pumpUntil([] { return false; }, 50);
    EXPECT_EQ(zone(2), QStringLiteral("Pág. 2-3 de 3"));
    EXPECT_EQ(view()->lastShown(), 3);
    shot("preview_tile.png");
    trigger(bars()->action(static_cast<int>(PreviewCtl::FirstZoom) + 1));
    EXPECT_EQ(zone(3), QStringLiteral("Zoom: Ancho de Página"));
    EXPECT_FALSE(bars()->action(static_cast<int>(PreviewCtl::FirstZoom))->isChecked());
    shot("preview_width.png");
}

TEST_F(QtPreview, turning_a_page_redraws_in_well_under_50_ms) {
    view()->resize(1000, 1400);
    QElapsedTimer clock;
    clock.start();
    trigger(bars()->action(PreviewCtl::NextPage));
    view()->viewport()->repaint();
    EXPECT_LT(clock.elapsed(), 50 + 50);  // the trigger pumps 50 ms itself
    EXPECT_EQ(view()->firstShown(), 2);
}

TEST_F(QtPreview, exit_closes_the_preview_ends_the_report_and_keeps_its_placement) {
    trigger(bars()->action(PreviewCtl::Exit));
    EXPECT_TRUE(pumpUntil([this] { return ended; }, 3000));
    EXPECT_EQ(placements,
              (std::vector<std::string>{"load _PreviewWindow_", "save _PreviewWindow_"}));
}

// The machine that runs the tests has no printer: the print dialog still
// opens (it offers printing to a file) and cancelling it ends the report.
TEST_F(QtPreview, printing_opens_the_platforms_print_dialog_even_without_a_printer) {
    trigger(bars()->action(PreviewCtl::Print));
    ASSERT_TRUE(pumpUntil([this] { return dialog<QPrintDialog>() != nullptr; }, 5000));
    dialog<QPrintDialog>()->reject();
    EXPECT_TRUE(pumpUntil([this] { return ended; }, 3000));
}

TEST_F(QtPreview, a_pdf_is_saved_under_the_offered_name_and_a_vanished_folder_is_told) {
    trigger(bars()->action(PreviewCtl::SavePdf));
    ASSERT_TRUE(pumpUntil([this] { return dialog<QFileDialog>() != nullptr; }, 5000));
    QFileDialog* chooser = dialog<QFileDialog>();
    // The folder chosen goes away before the PDF is written (a medium removed).
    const std::filesystem::path gone = dir.file("gone");
    std::filesystem::create_directory(gone);
    chooser->setDirectory(QString::fromStdString(gone.string()));
    std::filesystem::remove(gone);
    static_cast<QDialog*>(chooser)->done(QDialog::Accepted);
    ASSERT_TRUE(pumpUntil([this] { return dialog<QMessageBox>() != nullptr; }, 5000));
    EXPECT_TRUE(dialog<QMessageBox>()->text().startsWith(QStringLiteral("No se pudo guardar")));
    dialog<QMessageBox>()->buttons().front()->click();
    pumpUntil([] { return false; }, 50);
    ASSERT_NE(preview(), nullptr);  // the preview stays open
    EXPECT_EQ(zone(1), QString()) << "nothing was saved";

    // The chooser starts at the name made of the report, the agent and the period.
    trigger(bars()->action(PreviewCtl::SavePdf));
    ASSERT_TRUE(pumpUntil([this] { return dialog<QFileDialog>() != nullptr; }, 5000));
    dialog<QFileDialog>()->setDirectory(QString::fromStdString(dir.path().string()));
    static_cast<QDialog*>(dialog<QFileDialog>())->done(QDialog::Accepted);
    const std::filesystem::path file = dir.file("AnexoII_1-23.45.678_20050500.pdf");
    ASSERT_TRUE(pumpUntil([&] { return std::filesystem::exists(file); }, 10000));
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
    ASSERT_NE(preview(), nullptr);
    EXPECT_TRUE(pumpUntil(
        [&] { return zone(1) == QString::fromStdString("PDF guardado en " + file.string()); },
        3000))
        << "the status bar tells where the PDF went: " << zone(1).toStdString();
}

}  // namespace
}  // namespace vorda::test
