// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/value_rules.h"

#include <algorithm>

namespace korvex {
namespace {

// How many dice show the most frequent face.
int largestGroup(const Faces& faces) {
    int best = 0;
    for (int face : faces)
        best = std::max<int>(best, int(std::count(faces.begin(), faces.end(), face)));
    return best;
}

bool shows(const Faces& faces, int face) {
    return std::find(faces.begin(), faces.end(), face) != faces.end();
}

}  // namespace

int upperPoints(const Faces& faces, int face) {
    return face * int(std::count(faces.begin(), faces.end(), face));
}

int dicePoints(const Faces& faces) {
    int sum = 0;
    for (int face : faces) sum += face;
    return sum;
}

int threeKindPoints(const Faces& faces) {
    return largestGroup(faces) >= 3 ? dicePoints(faces) : 0;
}

int fourKindPoints(const Faces& faces) {
    return largestGroup(faces) >= 4 ? dicePoints(faces) : 0;
}

int fullHousePoints(const Faces& faces) {
    const int largest = largestGroup(faces);
    if (largest == 5) return kFullHousePoints;
    if (largest != 3) return 0;
    // Three alike: the other two must match each other.
    for (int face : faces) {
        const int n = int(std::count(faces.begin(), faces.end(), face));
        if (n != 3 && n != 2) return 0;
    }
    return kFullHousePoints;
}

int smallStraightPoints(const Faces& faces) {
    if (!shows(faces, 3) || !shows(faces, 4)) return 0;
    const bool run = (shows(faces, 1) && shows(faces, 2)) || (shows(faces, 2) && shows(faces, 5)) ||
                     (shows(faces, 5) && shows(faces, 6));
    return run ? kSmallStraightPoints : 0;
}

int largeStraightPoints(const Faces& faces) {
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            if (faces[i] == faces[j]) return 0;
    return shows(faces, 1) && shows(faces, 6) ? 0 : kLargeStraightPoints;
}

bool isFiveOfAKind(const Faces& faces) {
    return std::all_of(faces.begin() + 1, faces.end(), [&](int face) { return face == faces[0]; });
}

int korvexPoints(const Faces& faces) {
    return isFiveOfAKind(faces) ? kFiveOfAKindPoints : 0;
}

}  // namespace korvex
