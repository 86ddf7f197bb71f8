// The gap buffer against a vector doing the same random edits.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "textview/GapBuffer.h"

namespace mirevo {
namespace {

std::vector<std::string> Contents(const TGapBuffer<std::string>& buffer) {
    std::vector<std::string> items;
    buffer.ForEach([&items](const std::string& item) { items.push_back(item); });
    return items;
}

TEST(GapBuffer, RandomEditsMatchAVector) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&rng](std::size_t from, std::size_t to) {
            return std::uniform_int_distribution<std::size_t>(from, to)(rng);
        };
        TGapBuffer<std::string> buffer;
        std::vector<std::string> model;
        for (int step = 0; step < 400; ++step) {
            const std::size_t size = model.size();
            const std::string value(pick(0, 40), static_cast<char>('a' + step % 26));
            switch (pick(0, 4)) {
                case 0:
                case 1: {
                    if (buffer.Free() == 0) buffer.Reallocate(size + pick(1, 8));
                    const std::size_t at = pick(0, size);
                    buffer.Insert(at, std::string(value));
                    model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), value);
                    break;
                }
                case 2: {
                    const std::size_t at = pick(0, size);
                    const std::size_t count = pick(0, size - at);
                    buffer.Erase(at, count);
                    model.erase(model.begin() + static_cast<std::ptrdiff_t>(at),
                                model.begin() + static_cast<std::ptrdiff_t>(at + count));
                    break;
                }
                case 3: {
                    const std::size_t count = pick(0, 5);
                    buffer.Reallocate(size + count + pick(0, 3));
                    const std::size_t at = pick(0, size);
                    buffer.InsertDefaults(at, count);
                    model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), count, "");
                    break;
                }
                default:
                    if (size > 0) {
                        const std::size_t at = pick(0, size - 1);
                        buffer[at] = value;
                        model[at] = value;
                    }
            }
            ASSERT_EQ(buffer.Size(), model.size()) << "seed " << seed << " step " << step;
            ASSERT_EQ(buffer.Size() + buffer.Free(), buffer.Slots());
            ASSERT_EQ(Contents(buffer), model) << "seed " << seed << " step " << step;
            for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(buffer[i], model[i]);
        }
    }
}

// Erased elements free what they own at once, not when their slot is reused.
TEST(GapBuffer, EraseAndReleaseFreeTheElements) {
    const auto shared = std::make_shared<int>(7);
    TGapBuffer<std::shared_ptr<int>> buffer;
    buffer.Reallocate(4);
    for (int i = 0; i < 3; ++i) buffer.PushBack(std::shared_ptr<int>(shared));
    EXPECT_EQ(shared.use_count(), 4);
    buffer.Erase(0, 2);
    EXPECT_EQ(shared.use_count(), 2);
    buffer.Insert(0, nullptr);  // moves the gap across the survivor
    EXPECT_EQ(shared.use_count(), 2);
    buffer.Release();
    EXPECT_EQ(shared.use_count(), 1);
    EXPECT_EQ(buffer.Slots(), 0u);
}

}  // namespace
}  // namespace mirevo
