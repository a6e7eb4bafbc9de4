// The batch-run fixture.
#include "tests/framework/reportfixture.h"

#include "framework/progresswindow.h"
#include "platform/store/transaction.h"

namespace vorda::test {

namespace {

print::Band line(const std::string& text) {
    print::Band b;
    b.height = 200;
    b.text(
        {.x = 500, .y = 0, .width = 3000, .height = 200, .text = text, .font = print::arial(10)});
    return b;
}

// Five 200-unit lines fit a page of this layout (header 200, footer 0).
print::Report::Layout smallPage() {
    return {.size = {.width = 4000, .height = 1400}, .topMargin = 100, .bottomMargin = 100};
}

}  // namespace

void ReportFixture::SetUp() {
    RelationFixture::SetUp();
    relate({});
    rt = std::make_unique<ui::Runtime>(backend);
    answers = std::make_unique<RecordingPresenter>();
}

void ReportFixture::TearDown() {
    rt->shutdown();
    answers.reset();
    rt.reset();
    RelationFixture::TearDown();
}

// One transaction: hundreds of lines are written in one commit.
void ReportFixture::addLines(int count, const std::string& key) {
    ASSERT_EQ(lin.access.UseFile(), Benign);
    store::Transaction t;
    ASSERT_EQ(t.begin({lin.file.get()}, 2), store::Ok);
    for (int i = 1; i <= count; ++i)
        addLine(key, "DOC " + std::to_string(i), i);
    ASSERT_EQ(t.commit(), store::Ok);
}

void ReportFixture::run(const RunOptions& options) {
    thread = rt->start([this, options] {
        uint8_t percent = 0;
        ui::Window w(progressWindowDesc("Imprimiendo"));
        bindProgress(w, percent);
        LinesProcess p;
        p.Init(&lin.relate, &w, ProgressCtl::PctText, &percent, options.expected);
        p.AddSortOrder(LIN_BYDEC);
        p.AddRange(LIN_F::CLAVE, std::string_view(declKey("1/23.45.678", "2005", "05")));
        print::Report report;
        report.header = [this] {
            ++headers;
            return line("HEADER");
        };
        PrintPreviewClass pv;
        ReportManager m(w);
        p.onRecord = [&, options] {
            cycles.push_back(m.RecordsPerCycle);
            percents.push_back(percent);
            progressTexts.push_back(w.control(ProgressCtl::PctText).text());
            if (options.report)
                report.print(line(lin.rec.DOC.str()));
            return options.onRecord ? options.onRecord() : Benign;
        };
        process = &p;
        manager = &m;
        preview = &pv;
        m.Init(p, options.report ? &report : nullptr, options.preview ? &pv : nullptr);
        m.Errors = &errors;
        m.Layout = smallPage();
        if (options.configure)
            options.configure(m);
        m.Ask();
        response = m.Response;
        m.Kill();
        process = nullptr;
        manager = nullptr;
        preview = nullptr;
        finished = true;
    });
    settle();
}

ui::Window* ReportFixture::progressWindow() const {
    for (ui::Window* w : rt->windows()) {
        if (w->caption() == "Imprimiendo")
            return w;
    }
    return nullptr;
}

ui::Window* ReportFixture::previewWindow() const {
    for (ui::Window* w : rt->windows()) {
        if (w->caption() == "Report Preview")
            return w;
    }
    return nullptr;
}

void ReportFixture::menu(ui::Window& w, int item) {
    ASSERT_EQ(rt->input().menu(w.id(), item), ui::InputResult::Done);
    settle();
}

std::vector<std::string> ReportFixture::boxCaptions() const {
    std::vector<std::string> out;
    for (const RecordedBox& b : answers->shown())
        out.push_back(b.caption);
    return out;
}

}  // namespace vorda::test
