// Pictures decoded ahead on the worker's thread and uploaded on the game's:
// whatever state a picture is in when a screen loads it (waiting its turn,
// in the worker's hands, prepared, uploaded), the screen gets exactly the
// picture it would have read itself, and a run that ends with decodes in
// flight frees everything and returns.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "LiveTextures.h"
#include "RenderTestSupport.h"
#include "render/PictureBound.h"
#include "render/PictureCache.h"
#include "render/PicturePreloader.h"
#include "render/PictureWorker.h"
#include "render/PreparedPicture.h"
#include "render/Sprite.h"
#include "render/Texture.h"

namespace {

constexpr int pictureCount = 8;

// Picture i: a pattern of its own (no two alike), with opaque black texels
// that the black key makes transparent, and a side that is not a power of
// two for every other one, so levels are scaled.
std::vector<PictureRequest> writePictures(const std::string& stem, int width, int height)
{
    std::vector<PictureRequest> requests;
    for (int i = 0; i < pictureCount; ++i) {
        const int w = width + (i % 2) * 3;
        std::vector<Colour> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < w; ++x) {
                const bool keyed = (x + y + i) % 5 == 0;
                pixels.push_back(keyed ? Colour{0, 0, 0, 255}
                                       : Colour{static_cast<unsigned char>(x * 7 + i * 29),
                                                static_cast<unsigned char>(y * 11 + i * 13),
                                                static_cast<unsigned char>(i * 31), 255});
            }
        const std::string path = stem + std::to_string(i) + ".png";
        if (!testpicture::writePng(path, w, height, pixels))
            return {};
        requests.push_back({path, blackColourKey});
    }
    return requests;
}

class PicturePreloaderTest : public OffscreenView {
protected:
    void TearDown() override
    {
        pictureCache.keepIdlePictures(false);
        OffscreenView::TearDown();
    }

    // The whole surface with the texture drawn over it.
    std::vector<unsigned char> frameOf(const Texture& texture)
    {
        drawOverView(texture);
        return renderer().readPixels(0, 0, context->width(), context->height());
    }

    // The frame of each picture loaded with nothing prepared ahead.
    std::vector<std::vector<unsigned char>> framesReadHere(const std::vector<PictureRequest>& requests)
    {
        std::vector<std::vector<unsigned char>> frames;
        for (const PictureRequest& request : requests) {
            Texture texture;
            EXPECT_TRUE(texture.load(request.path, request.colourKey));
            frames.push_back(frameOf(texture));
            texture.release();
        }
        return frames;
    }
};

} // namespace

RENDER_TEST_ON_BOTH_BACKENDS(PicturePreloaderTest);

TEST_P(PicturePreloaderTest, APictureLoadedInAnyStateOfItsDecodeIsThePictureReadHere)
{
    const std::vector<PictureRequest> requests = writePictures("ahead", 61, 40);
    ASSERT_EQ(requests.size(), static_cast<std::size_t>(pictureCount));
    const auto expected = framesReadHere(requests);
    ASSERT_EQ(pictureCache.size(), 0u) << "nothing kept: every load below starts from the file";

    struct Case {
        const char* what;
        bool ownThread;
        bool uploadAhead;
    };
    const Case cases[] = {
        {"loaded at once, the worker's thread mid-way through the list", true, false},
        {"no thread: each prepared when it is loaded", false, false},
        {"uploaded ahead, as a menu at rest does", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pictureCache.keepIdlePictures(true);
        {
            PicturePreloader preloader(c.ownThread);
            preloader.add(requests);
            if (c.uploadAhead) {
                EXPECT_EQ(preloader.loadAll(), pictureCount);
            }
            // The last first: it is still waiting when the worker has the
            // first ones in hand.
            for (int i = pictureCount - 1; i >= 0; --i) {
                Texture texture;
                ASSERT_TRUE(texture.load(requests[i].path, requests[i].colourKey));
                EXPECT_TRUE(frameOf(texture) == expected[i]) << "picture " << i;
                texture.release();
            }
            EXPECT_TRUE(preloader.done()) << "every picture was taken from the worker, none read twice";
            EXPECT_EQ(pictureCache.size(), static_cast<std::size_t>(pictureCount));
        }
        pictureCache.keepIdlePictures(false);
        EXPECT_EQ(liveTextureNames(), 0);
    }
}

TEST_P(PicturePreloaderTest, EndingWithDecodesInFlightFreesEverythingAndReturns)
{
    const std::vector<PictureRequest> requests = writePictures("large", 512, 512);
    ASSERT_EQ(requests.size(), static_cast<std::size_t>(pictureCount));
    pictureCache.keepIdlePictures(true);
    {
        PicturePreloader preloader;
        preloader.add(requests);
        Texture first;
        ASSERT_TRUE(first.load(requests.front().path, requests.front().colourKey));
        first.release();
    } // stops after the picture in hand (the rest is still being decoded); frees the rest
    EXPECT_EQ(pictureCache.aheadWorker(), nullptr) << "no load may reach a worker that is gone";
    Texture later;
    ASSERT_TRUE(later.load(requests.back().path, requests.back().colourKey)) << "read from its file";
    later.release();
    pictureCache.keepIdlePictures(false);
    EXPECT_EQ(liveTextureNames(), 0);
}

TEST_P(PicturePreloaderTest, APictureAskedForFromAnotherFolderIsThatFoldersPicture)
{
    std::filesystem::create_directories("other");
    ASSERT_TRUE(testpicture::writePlainPng("place.png", 4, 4, red));
    ASSERT_TRUE(testpicture::writePlainPng("other/place.png", 4, 4, green));
    pictureCache.keepIdlePictures(true);
    PicturePreloader preloader;
    preloader.add({{"place.png", noColourKey}});
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path("other");
    Texture elsewhere;
    const bool loaded = elsewhere.load("place.png", noColourKey);
    std::filesystem::current_path(home);
    ASSERT_TRUE(loaded);
    frameOf(elsewhere);
    EXPECT_TRUE(same(at(0, 0), green)) << describe(at(0, 0)) << ": the picture decoded for the first folder";
    EXPECT_EQ(preloader.pending(), 1u) << "the first folder's picture is still there for its own load";
    elsewhere.release();
}

// The worker alone, without a renderer: its levels are byte for byte those
// read on the calling thread, and a picture that cannot be shown comes back
// refused, with its one line on standard error.
TEST(PictureWorkerTest, PreparesExactlyWhatALoadHerePreparesAndRefusesWhatItRefuses)
{
    std::vector<PictureRequest> requests = writePictures("worker", 45, 30);
    ASSERT_EQ(requests.size(), static_cast<std::size_t>(pictureCount));
    {
        std::ofstream("notapicture.png") << "plain text, no picture";
    }
    requests.push_back({"missing.png", blackColourKey});
    requests.push_back({"notapicture.png", blackColourKey});
    requests.push_back(requests.front()); // asked for twice, listed once
    for (const bool ownThread : {true, false}) {
        SCOPED_TRACE(ownThread ? "on the worker's thread" : "when taken");
        PictureWorker worker(maxPictureSide, true, ownThread);
        testing::internal::CaptureStderr();
        worker.add(requests);
        EXPECT_EQ(worker.pending(), static_cast<std::size_t>(pictureCount + 2));
        std::size_t taken = 0;
        PictureRequest request;
        PreparedPicture picture;
        while (worker.takeNext(true, request, picture)) {
            ++taken;
            SCOPED_TRACE(request.path);
            PreparedPicture here;
            const bool readHere = here.prepare(request.path, request.colourKey, maxPictureSide, true);
            ASSERT_EQ(picture.ready(), readHere);
            ASSERT_EQ(picture.levels().size(), here.levels().size());
            for (std::size_t level = 0; level < here.levels().size(); ++level) {
                EXPECT_EQ(picture.levels()[level].width, here.levels()[level].width);
                EXPECT_EQ(picture.levels()[level].height, here.levels()[level].height);
                EXPECT_TRUE(picture.levels()[level].rgba == here.levels()[level].rgba) << "level " << level;
            }
            EXPECT_TRUE(picture.madeFor(maxPictureSide, true));
            EXPECT_FALSE(picture.madeFor(maxPictureSide, false)) << "not a picture for the null renderer";
        }
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(taken, static_cast<std::size_t>(pictureCount + 2));
        // The worker's refusal and the one read here: one line each.
        const auto lines = std::count(errors.begin(), errors.end(), '\n');
        EXPECT_EQ(lines, 2) << errors;
        EXPECT_NE(errors.find("notapicture.png is not a PNG, GIF or BMP picture"), std::string::npos) << errors;
        EXPECT_FALSE(worker.take(requests.front().path, requests.front().colourKey, picture))
            << "a picture taken is taken once";
    }
}

// A menu at rest uploads only what is decoded: without waiting, the worker
// hands out nothing before its time, and everything once it is done.
TEST(PictureWorkerTest, TakingWithoutWaitingHandsOutOnlyPicturesDecoded)
{
    const std::vector<PictureRequest> requests = writePictures("rest", 64, 64);
    ASSERT_EQ(requests.size(), static_cast<std::size_t>(pictureCount));
    PictureWorker worker(maxPictureSide, true);
    worker.add(requests);
    worker.waitUntilPrepared();
    int taken = 0;
    PictureRequest request;
    PreparedPicture picture;
    while (worker.takeNext(false, request, picture)) {
        EXPECT_TRUE(picture.ready()) << request.path;
        EXPECT_EQ(request.path, requests[static_cast<std::size_t>(taken)].path) << "in the order asked";
        ++taken;
    }
    EXPECT_EQ(taken, pictureCount);
    EXPECT_EQ(worker.pending(), 0u);
}
