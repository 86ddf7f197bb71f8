// Long random sequences of changes on a line store, compared after every step with a plain
// vector of strings and with the events that vector predicts.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "textview/LineStore.h"

namespace mirevo {
namespace {

std::string ReferenceExpansion(const std::string& text, std::int32_t tabWidth) {
    std::string out;
    for (const char c : text) {
        if (c != '\t') {
            out += c;
        } else if (tabWidth < 2) {
            out += ' ';
        } else {
            out.append(tabWidth - out.size() % tabWidth, '\t');
        }
    }
    return out;
}

// Splits as setting the text does, one character at a time.
std::vector<std::string> ReferenceSplit(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t p = 0;
    while (p < text.size() && text[p] != '\0') {
        std::string line;
        while (p < text.size() && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') {
            line += text[p++];
        }
        lines.push_back(line);
        if (p < text.size() && text[p] == '\r') ++p;
        if (p < text.size() && text[p] == '\n') ++p;
    }
    return lines;
}

std::string Event(const char* name, std::size_t index, std::size_t count) {
    return std::string(name) + "(" + std::to_string(index) + "," + std::to_string(count) + ") ";
}

class StoreModelRun {
public:
    explicit StoreModelRun(unsigned seed) : rng_(seed) {
        store_.OnChanging = [this](TLineStore&) { log_ += "Changing "; };
        store_.OnChange = [this](TLineStore&) { log_ += "Change "; };
        store_.OnLinesCleared = [this](TLineStore&) { log_ += "Cleared "; };
        store_.OnLinesInserted = [this](TLineStore&, std::int32_t i, std::int32_t n) {
            log_ += Event("Inserted", i, n);
        };
        store_.OnLinesDeleted = [this](TLineStore&, std::int32_t i, std::int32_t n) {
            log_ += Event("Deleted", i, n);
        };
        store_.OnLinesReplaced = [this](TLineStore&, std::int32_t i, std::int32_t n) {
            log_ += Event("Replaced", i, n);
        };
    }

    void Step() {
        log_.clear();
        const std::string expected = ApplyRandomChange();
        ASSERT_EQ(log_, expected) << "after " << what_;
        CheckAgainstModel();
    }

private:
    std::size_t Pick(std::size_t from, std::size_t to) {
        return std::uniform_int_distribution<std::size_t>(from, to)(rng_);
    }
    std::string RandomText(bool withBreaks) {
        static const char kLineBytes[] = {'a', 'b', ' ', '\t', '\x82', '\xA0'};
        static const char kTextBytes[] = {'a', '\t', '\r', '\n', '\0', '\x82'};
        std::string text(Pick(0, withBreaks ? 30 : 12), 'a');
        for (char& c : text) c = withBreaks ? kTextBytes[Pick(0, 5)] : kLineBytes[Pick(0, 5)];
        return text;
    }
    std::size_t Count() const { return model_.size(); }

    // Changes store and model alike; returns the events the store must fire.
    std::string ApplyRandomChange() {
        const std::size_t n = Count();
        switch (Pick(0, 11)) {
            case 0: {
                what_ = "Add";
                const std::string text = RandomText(false);
                store_.Add(text);
                model_.push_back(text);
                return "Changing " + Event("Inserted", n, 1) + "Change ";
            }
            case 1: {
                what_ = "Insert";
                const std::size_t i = Pick(0, n);
                const std::string text = RandomText(false);
                store_.Insert(static_cast<std::int32_t>(i), text);
                model_.insert(model_.begin() + static_cast<std::ptrdiff_t>(i), text);
                return "Changing " + Event("Inserted", i, 1) + "Change ";
            }
            case 2: {
                what_ = "Put";
                if (n == 0) return "";
                const std::size_t i = Pick(0, n - 1);
                model_[i] = RandomText(false);
                store_.Put(static_cast<std::int32_t>(i), model_[i]);
                return "Changing " + Event("Replaced", i, 1) + "Change ";
            }
            case 3: {
                what_ = "Delete";
                if (n == 0) return "";
                const std::size_t i = Pick(0, n - 1);
                store_.Delete(static_cast<std::int32_t>(i));
                model_.erase(model_.begin() + static_cast<std::ptrdiff_t>(i));
                return "Changing " + Event("Deleted", i, 1) + "Change ";
            }
            case 4: {
                what_ = "DeleteLines";
                if (n == 0) return "";
                const std::size_t i = Pick(0, n - 1);
                const std::size_t k = std::min(Pick(1, 5), n - i);
                store_.DeleteLines(static_cast<std::int32_t>(i),
                                   static_cast<std::int32_t>(Pick(k, k + (i + k == n ? 3 : 0))));
                model_.erase(model_.begin() + static_cast<std::ptrdiff_t>(i),
                             model_.begin() + static_cast<std::ptrdiff_t>(i + k));
                return (i + k < n ? "Changing Change " : "") + Event("Deleted", i, k);
            }
            case 5: {
                what_ = "InsertLines";
                const std::size_t i = Pick(0, n);
                const std::size_t k = Pick(1, 4);
                store_.InsertLines(static_cast<std::int32_t>(i), static_cast<std::int32_t>(k));
                model_.insert(model_.begin() + static_cast<std::ptrdiff_t>(i), k, "");
                return "Changing " + Event("Inserted", i, k) + "Change ";
            }
            case 6: {
                what_ = "Exchange";
                if (n == 0) return "";
                const std::size_t i = Pick(0, n - 1);
                const std::size_t j = Pick(0, n - 1);
                store_.Exchange(static_cast<std::int32_t>(i), static_cast<std::int32_t>(j));
                std::swap(model_[i], model_[j]);
                if (i == j) return "Changing Change ";
                return "Changing " + Event("Replaced", i, 1) + Event("Replaced", j, 1) + "Change ";
            }
            case 7: {
                what_ = "Clear";
                if (Pick(0, 3) != 0) return "";  // keep the texts growing most of the time
                store_.Clear();
                model_.clear();
                return n > 0 ? "Changing Cleared Change " : "";
            }
            case 8: {
                what_ = "SetText";
                if (Pick(0, 3) != 0) return "";
                const std::string text = RandomText(true);
                store_.SetText(text);
                model_ = ReferenceSplit(text);
                std::string events = n > 0 ? "Changing Cleared " : "Changing ";
                for (std::size_t i = 0; i < Count(); ++i) events += Event("Inserted", i, 1);
                return events + "Change ";
            }
            case 9: {
                what_ = "AddStrings";
                std::vector<std::string> more(Pick(0, 3));
                for (auto& text : more) text = RandomText(false);
                store_.AddStrings(more);
                model_.insert(model_.end(), more.begin(), more.end());
                return more.empty() ? ""
                                    : "Changing " + Event("Inserted", n, more.size()) + "Change ";
            }
            case 10: {
                what_ = "TabWidth";
                tabWidth_ = static_cast<std::int32_t>(Pick(1, 9));
                store_.SetTabWidth(tabWidth_);
                return "";
            }
            default:
                what_ = "LongestLineLength";
                store_.LongestLineLength();  // fills the cache the next changes must keep right
                return "";
        }
    }

    void CheckAgainstModel() {
        ASSERT_EQ(store_.Count(), static_cast<std::int32_t>(Count())) << what_;
        ASSERT_GE(store_.Capacity(), store_.Count());
        std::string text;
        std::int32_t longest = 0;
        std::int32_t longestIndex = -1;
        for (std::size_t i = 0; i < Count(); ++i) {
            const auto index = static_cast<std::int32_t>(i);
            ASSERT_EQ(store_.Get(index), model_[i]) << what_ << " line " << i;
            const std::string expanded = ReferenceExpansion(model_[i], tabWidth_);
            ASSERT_EQ(store_.ExpandedLineLength(index), static_cast<std::int32_t>(expanded.size()))
                << what_ << " line " << i << " tab width " << tabWidth_;
            ASSERT_EQ(store_.ExpandedLine(index), expanded) << what_ << " line " << i;
            if (static_cast<std::int32_t>(expanded.size()) > longest) {
                longest = static_cast<std::int32_t>(expanded.size());
                longestIndex = index;
            }
            text += (i == 0 ? "" : "\r\n") + model_[i];
        }
        ASSERT_EQ(store_.Text(), text);
        ASSERT_EQ(store_.LongestLineLength(), longest) << what_;
        // A scan keeps the earliest of equal lines, but Exchange may move the cache onto a
        // later one: only the length it names is certain.
        const std::int32_t cached = store_.LongestLineIndex();
        ASSERT_EQ(cached == -1, longestIndex == -1) << what_;
        if (cached != -1) {
            ASSERT_EQ(store_.ExpandedLineLength(cached), longest) << what_;
        }
    }

    std::mt19937 rng_;
    TLineStore store_;
    std::vector<std::string> model_;
    std::int32_t tabWidth_ = 8;
    std::string log_;
    std::string what_;
};

TEST(LineStoreModel, RandomChangesMatchAVectorOfStrings) {
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        StoreModelRun run(seed);
        for (int step = 0; step < 3000; ++step) {
            run.Step();
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace mirevo
