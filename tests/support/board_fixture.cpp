// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/board_fixture.h"

#include "board/form1_layout.h"

namespace korvex::test {

BoardTest::BoardTest() {
    game.show();
}

void BoardTest::start(const std::vector<int>& faces) {
    random.queue(faces);
    click(QStringLiteral("CB_Start"));
}

void BoardTest::roll(const std::vector<int>& faces) {
    random.queue(faces);
    click(QStringLiteral("CB_Roll"));
}

void BoardTest::score(CategoryId id, const std::vector<int>& next) {
    random.queue(next);
    click(categoryFields(id).scoreBox);
    click(QStringLiteral("CB_Save"));
}

void BoardTest::hold(int position) {
    for (int f = 1; f <= 6; ++f)
        if (visible(dieName(f, position))) return click(dieName(f, position));
}

std::array<QString, 5> BoardTest::dice() const {
    std::array<QString, 5> out;
    for (int p = 1; p <= 5; ++p) out[std::size_t(p - 1)] = text(faceField(p));
    return out;
}

QString BoardTest::box(CategoryId id) const {
    return text(categoryFields(id).scoreBox);
}

}  // namespace korvex::test
