// The pictures reach every program that links the rooms, at the sizes the
// windows lay them out for; a static link that dropped the resources would
// show here as null images.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "assets/Assets.h"

namespace {

struct Picture {
  const char* name;
  const char* path;
  int width;
  int height;
};

class AssetsTest : public ::testing::TestWithParam<Picture> {};

TEST_P(AssetsTest, LoadsAtItsDesignSize) {
  const QImage img(QString::fromLatin1(GetParam().path));
  ASSERT_FALSE(img.isNull()) << GetParam().path;
  EXPECT_EQ(img.width(), GetParam().width);
  EXPECT_EQ(img.height(), GetParam().height);
}

TEST_P(AssetsTest, StillLoadsAfterAnExplicitInit) {
  corvInitAssets();
  corvInitAssets();
  EXPECT_FALSE(QImage(QString::fromLatin1(GetParam().path)).isNull());
}

using namespace corv::assets;

INSTANTIATE_TEST_SUITE_P(Pictures, AssetsTest,
                         ::testing::Values(Picture{"Title", kTitlePicture, 550, 90},
                                           Picture{"Page", kPagePicture, 499, 368},
                                           Picture{"Launcher", kLauncherPicture, 400, 208},
                                           Picture{"About", kAboutPicture, 274, 265},
                                           Picture{"Icon32", kIcon32, 32, 32},
                                           Picture{"Icon16", kIcon16, 16, 16}),
                         [](const ::testing::TestParamInfo<Picture>& info) { return std::string(info.param.name); });

}  // namespace
