// The declaration windows as the user sees them, on Qt's offscreen platform:
// the option box of the incisos, the spin of the month, the sheet with its
// disabled tabs, the inner lists that follow the form's size, right-aligned
// amounts and the keyboard.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "data/globals.h"
#include "declarations/anexo_ii_ficha.h"
#include "declarations/ddjj_ficha.h"
#include "framework/requestglobals.h"
#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/pagelist.h"
#include "platform/ui/qt/pictureentry.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/data/datafixture.h"
#include "tests/support/offscreenapp.h"

// The font library keeps process-wide caches that the leak checker of the
// sanitizer build would report as ours.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace vorda::test {
namespace {

using A2Ctl = AnexoIIFichaCtl;
using DdjjCtlF = DdjjFichaCtl;

class DeclarationWindowsQt : public DataTest {
protected:
    static void SetUpTestSuite() { startOffscreenApplication("declaration_windows_qt_test"); }

    void SetUp() override {
        DataTest::SetUp();
        openTables();
        ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco Provincial"), Benign);
        key = declarationKey(1, "2001", "03", "00");
        ASSERT_EQ(addDeclaration(key), Benign);
        backend = std::make_unique<ui::qt::QtBackend>();
        rt = std::make_unique<ui::Runtime>(*backend);
    }
    void TearDown() override {
        rt->shutdown();
        rt.reset();
        backend.reset();
        DataTest::TearDown();
    }

    // Starts `procedure` with `request` and waits for a window of `caption`.
    // Without a frame the first procedure started is thread 1, whose record
    // buffers the test reads and fills.
    void start(void (*procedure)(), uint8_t request, const std::string& caption) {
        rt->start([procedure, request] {
            GlobalRequest = request;
            procedure();
        });
        ASSERT_TRUE(pumpUntil(
            [&] {
                for (ui::Window* w : rt->windows()) {
                    if (w->caption() == caption && backend->form(w->id()) != nullptr) {
                        window = w;
                        return true;
                    }
                }
                return false;
            },
            3000))
            << caption;
        form = backend->form(window->id());
        QApplication::setActiveWindow(backend->windowWidget(window->id()));
        pump();
    }
    void startDeclarationForm() {
        DDJ.clear();
        DDJ.AGENTE_PERIODO.set(key);
        ASSERT_EQ(Access::DDJJ->Fetch(Ddjj::DDJJ), Benign);
        start(&DDJJ_FICHA, RequestChange, "Modificando Declaración Jurada");
    }
    void startAnexoIIForm() {
        A2.clear();
        A2.AGENTE_PERIODO.set(key);
        DDJ.AGENTE_PERIODO.set(key);
        start(&ANEXO_II_FICHA, RequestInsert, "Agregando un Comprobante al Anexo II");
    }
    void pump(int ms = 30) {
        pumpUntil([] { return false; }, ms);
    }
    template <class W>
    W* widget(ui::ControlId control) {
        return qobject_cast<W*>(form->widget(control));
    }
    const ui::Control& model(ui::ControlId control) { return window->control(control); }

    std::string key;
    std::unique_ptr<ui::qt::QtBackend> backend;
    std::unique_ptr<ui::Runtime> rt;
    ui::Window* window = nullptr;
    ui::qt::FormView* form = nullptr;
};

constexpr A2Ctl leftColumn[] = {A2Ctl::Radio_b, A2Ctl::Radio_c, A2Ctl::Radio_d, A2Ctl::Radio_e,
                                A2Ctl::Radio_f};
constexpr A2Ctl rightColumn[] = {A2Ctl::Radio_g, A2Ctl::Radio_i, A2Ctl::Radio_j, A2Ctl::Radio_k,
                                 A2Ctl::Radio_l};

TEST_F(DeclarationWindowsQt, TheIncisoIsAnOptionBoxOfTenRadiosInTwoColumns) {
    startAnexoIIForm();
    for (size_t row = 0; row < 5; ++row) {
        auto* left = widget<QRadioButton>(leftColumn[row]);
        auto* right = widget<QRadioButton>(rightColumn[row]);
        ASSERT_TRUE(left != nullptr && right != nullptr);
        EXPECT_TRUE(left->isVisible());
        EXPECT_EQ(left->geometry().top(), right->geometry().top()) << "row " << row;
        EXPECT_LT(left->geometry().right(), right->geometry().left()) << "row " << row;
        if (row > 0) {
            EXPECT_GT(left->geometry().top(),
                      widget<QRadioButton>(leftColumn[row - 1])->geometry().top());
        }
    }
    const QString letters[] = {QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                               QStringLiteral("e"), QStringLiteral("f")};
    for (size_t row = 0; row < 5; ++row)
        EXPECT_EQ(widget<QRadioButton>(leftColumn[row])->text(), letters[row]);
    auto* box = widget<QWidget>(A2Ctl::A2_INCISO);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->geometry().contains(widget<QWidget>(A2Ctl::Radio_l)->geometry()));
}

TEST_F(DeclarationWindowsQt, TheKeyboardChoosesAnIncisoInTheRadiosTabOrder) {
    startAnexoIIForm();
    ASSERT_EQ(window->focus(), ui::ControlId(A2Ctl::A2_INCISO)) << "the form opens on the inciso";
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Down);
    pump();
    EXPECT_EQ(A2.INCISO.str(), "b");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    pump();
    EXPECT_EQ(A2.INCISO.str(), "g") << "b, g, c, i, d, j, e, k, f, l";
    EXPECT_TRUE(widget<QRadioButton>(A2Ctl::Radio_g)->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(A2Ctl::Radio_g)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    pump();
    EXPECT_EQ(A2.INCISO.str(), "c");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    pump();
    EXPECT_EQ(A2.INCISO.str(), "l") << "wraps around";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("e"));
    pump();
    EXPECT_EQ(A2.INCISO.str(), "e");
    EXPECT_TRUE(widget<QRadioButton>(A2Ctl::Radio_e)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    pump();
    EXPECT_EQ(window->focus(), ui::ControlId(A2Ctl::A2_FECHA_DOCUMENTO));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    pump();
    EXPECT_EQ(window->focus(), ui::ControlId(A2Ctl::A2_INCISO));
}

TEST_F(DeclarationWindowsQt, AClickedRadioIsTheInciso) {
    startAnexoIIForm();
    QTest::mouseClick(widget<QRadioButton>(A2Ctl::Radio_k), Qt::LeftButton);
    pump();
    EXPECT_EQ(A2.INCISO.str(), "k");
    EXPECT_EQ(model(A2Ctl::A2_INCISO).text(), "k");
}

TEST_F(DeclarationWindowsQt, AmountsAreRightAlignedAndTheRateIsFollowedByPercent) {
    startAnexoIIForm();
    for (A2Ctl amount : {A2Ctl::A2_VALOR, A2Ctl::A2_ALICUOTA, A2Ctl::A2_IMPUESTO})
        EXPECT_TRUE(widget<QLineEdit>(amount)->alignment() & Qt::AlignRight);
    auto* percent = widget<QLabel>(A2Ctl::Percent);
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(percent->text(), QStringLiteral("%"));
    const QRect rate = widget<QWidget>(A2Ctl::A2_ALICUOTA)->geometry();
    EXPECT_GE(percent->geometry().left(), rate.right());
    EXPECT_LT(percent->geometry().left() - rate.right(), 12);
    EXPECT_TRUE(percent->geometry().intersects(QRect(0, rate.top(), 10000, rate.height())));
}

TEST_F(DeclarationWindowsQt, ANewDeclarationCannotReachItsAnnexes) {
    DDJ.clear();
    start(&DDJJ_FICHA, RequestInsert, "Agregando Declaración Jurada");
    auto* sheet = widget<QTabWidget>(DdjjCtlF::CurrentTab);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->count(), 4);
    EXPECT_TRUE(sheet->isTabEnabled(0));
    EXPECT_TRUE(sheet->isTabEnabled(1));
    EXPECT_FALSE(sheet->isTabEnabled(2));
    EXPECT_FALSE(sheet->isTabEnabled(3));
    EXPECT_EQ(rt->input().choose(window->id(), DdjjCtlF::CurrentTab, "Anexo II"),
              ui::InputResult::Disabled);
    sheet->setCurrentIndex(1);
    pump();
    EXPECT_FALSE(widget<QPushButton>(DdjjCtlF::AnexoI)->isEnabled());
}

TEST_F(DeclarationWindowsQt, TheMonthSpinRefusesATypedMonthOutsideOneToTwelve) {
    DDJ.clear();
    start(&DDJJ_FICHA, RequestInsert, "Agregando Declaración Jurada");
    auto* month = widget<ui::qt::PictureEntry>(DdjjCtlF::DDJ_MES);
    ASSERT_NE(month, nullptr);
    rt->input().focus(window->id(), DdjjCtlF::DDJ_MES);
    pump();
    QTest::keyClicks(month, QStringLiteral("13"));
    QTest::keyClick(month, Qt::Key_Tab);
    pump();
    EXPECT_EQ(window->focus(), ui::ControlId(DdjjCtlF::DDJ_MES)) << "13 is refused";
    EXPECT_EQ(DDJ.MES().raw(), "  ");
    month->selectAll();
    QTest::keyClicks(month, QStringLiteral("12"));
    QTest::keyClick(month, Qt::Key_Up);
    pump();
    EXPECT_EQ(month->text(), QStringLiteral("12")) << "the arrows stay within the range";
    QTest::keyClick(month, Qt::Key_Tab);
    pump();
    EXPECT_EQ(DDJ.MES().raw(), "12");
    EXPECT_EQ(window->focus(), ui::ControlId(DdjjCtlF::DDJ_AÑO));
}

TEST_F(DeclarationWindowsQt, AltAndTheUnderlinedLetterPressesTheButton) {
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(addAnexoIII(key, i + 1), Benign);
    startDeclarationForm();
    rt->input().choose(window->id(), DdjjCtlF::CurrentTab, "Anexo III");
    pump();
    ASSERT_EQ(model(DdjjCtlF::List2).rows().size(), 3u);
    QTest::keyClick(backend->windowWidget(window->id()), Qt::Key_B, Qt::AltModifier);
    ASSERT_TRUE(pumpUntil(
        [&] {
            const ui::Window* active = rt->active();
            return active != nullptr && active->caption() == "Borrando Comprobante del Anexo III";
        },
        3000));
}

TEST_F(DeclarationWindowsQt, TheInnerListFollowsTheFormsSizeWithRightAlignedAmounts) {
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(addAnexoII(key, i + 1), Benign);
    startDeclarationForm();
    EXPECT_EQ(model(DdjjCtlF::DDJ_NRO_AGENTE).text(), agentNumber(1));
    rt->input().choose(window->id(), DdjjCtlF::CurrentTab, "Anexo II");
    pump(60);
    auto* list = widget<ui::qt::PageList>(DdjjCtlF::List);
    ASSERT_NE(list, nullptr);
    const size_t before = model(DdjjCtlF::List).rows().size();
    ASSERT_GT(before, 3u);
    EXPECT_EQ(static_cast<int>(before), list->rowsVisible());
    const int height = list->height();
    QWidget* outer = backend->windowWidget(window->id());
    outer->resize(outer->width() + 80, outer->height() + 160);
    ASSERT_TRUE(pumpUntil([&] { return model(DdjjCtlF::List).rows().size() > before; }, 3000));
    EXPECT_GT(list->height(), height + 100);
    EXPECT_EQ(static_cast<int>(model(DdjjCtlF::List).rows().size()), list->rowsVisible());
    const QTableWidget* table = list->table();
    EXPECT_TRUE(table->item(0, 3)->textAlignment() & Qt::AlignRight) << "Valor";
    EXPECT_TRUE(table->item(0, 4)->textAlignment() & Qt::AlignRight) << "Impuesto";
    EXPECT_TRUE(table->item(0, 2)->textAlignment() & Qt::AlignLeft) << "Parte Contratante";
}

}  // namespace
}  // namespace vorda::test
