#include "tracks/musicbrainz_disc_id.h"
#include "tracks/musicbrainz_reply.h"

#include <gtest/gtest.h>

namespace {

DiscToc TocOfFrames(const std::vector<int>& frames) {
    DiscToc toc;
    for (int f : frames)
        toc.push_back(MsfTime::FromFrames(f));
    return toc;
}

} // namespace

// The worked example of the service's documentation: six tracks, lead-out at
// 95462, positions with the two-second lead-in.
TEST(MusicBrainzDiscId, MatchesTheDocumentedExample) {
    const DiscToc toc = TocOfFrames({150, 15363, 32314, 46592, 63414, 80489, 95462});
    EXPECT_EQ(MusicBrainzDiscId(toc), u"49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
    EXPECT_TRUE(MusicBrainzDiscId(DiscToc{}).isEmpty());
    EXPECT_TRUE(MusicBrainzDiscId(TocOfFrames({150})).isEmpty()); // a lead-out alone
}
