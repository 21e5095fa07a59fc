#pragma once

// The handout a teacher prints: the step window's sections as a text for the
// class, under a title, the date and the key they belong to. A folded group
// keeps its title and paragraphs and leaves its tables out, a refused command
// is its title and the one paragraph that says why, and a section the window
// holds twice with the same numbers is printed once. As HTML it is a page of
// its own, with page margins, a sans-serif font and print styles; as PDF it
// is laid out on A4, tables repeat their header row on each new page and no
// title is left alone at the foot of a page. Uses Qt GUI only, so the PDF can
// be made off the GUI thread, page by page, and given up at any page.

#include "explain/Explanation.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace rsa {

struct Handout {
    QString language; // BCP 47, "tr" or "en"
    QString title;
    QString date;
    QString key; // the line that names p, q, n, e and d, or says there is no key
    std::vector<explain::Section> sections;
};

// The sections as the handout prints them, in the window's order.
std::vector<explain::Section> sectionsOnPaper(const std::vector<explain::Section>& sections);

QByteArray handoutHtml(const Handout& handout);

// Shared between the thread that makes the PDF and the one that shows how
// far it got. Each section laid out and each page drawn is one step; the
// number of pages, and so the total, is known once every section is laid out.
struct PdfProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
};

// The PDF's bytes, or nothing once cancel has been set.
std::optional<QByteArray> handoutPdf(const Handout& handout, PdfProgress& progress);

} // namespace rsa
