#include "history/HistorySearch.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

struct SearchCase {
    const char* name;
    std::string search;
    bool matches;
};

class HistorySearchTest : public testing::TestWithParam<SearchCase> {};

// "ア" is 0x83 0x41 and "ソ" 0x83 0x5C: their second bytes are 'A' and a backslash, which
// the searched fields hold nowhere else.
const THistoryRecord kRecord{"2024-05-06 07:08:09",
                             1,
                             "https://Exemple.com/Item?ID=7",
                             "おすすめの本アソ",
                             "https://images.example.com/cover.png",
                             "3ZK9M1+5QDOS",
                             "<a href=\"secret-in-code\">"};

TEST_P(HistorySearchTest, MatchesDestinationTextAndIdentifier) {
    EXPECT_EQ(THistorySearch(GetParam().search).Matches(kRecord), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Cases, HistorySearchTest,
                         testing::Values(SearchCase{"Empty", "", true},
                                         SearchCase{"DestinationAnyCase", "exemple.COM/item", true},
                                         SearchCase{"IdentifierLowerCase", "3zk9m1+5qdos", true},
                                         SearchCase{"JapaneseText", "すすめ", true},
                                         SearchCase{"WholeCharacterAfterLetter", "アソ", true},
                                         SearchCase{"NotFromASecondByte", "A", false},
                                         SearchCase{"NotFromASecondByteLowerCase", "a", false},
                                         SearchCase{"NotFromASecondBackslash", "\\", false},
                                         SearchCase{"ASecondByteIsNoLetterToFold", "\x83\x61",
                                                    false},
                                         SearchCase{"ImageUrlNotSearched", "cover.png", false},
                                         SearchCase{"CodeNotSearched", "secret", false},
                                         SearchCase{"TimeNotSearched", "2024", false},
                                         SearchCase{"Missing", "zzz", false}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace mirevo
