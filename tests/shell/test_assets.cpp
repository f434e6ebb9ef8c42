// The pictures reach every program that links the rooms, at the sizes the
// windows lay them out for; a static link that dropped the resources would
// show here as null images.
#include <gtest/gtest.h>

#include <QImage>

#include "assets/Assets.h"

namespace {

TEST(AssetsTest, PicturesLoadAtTheirDesignSizeBeforeAndAfterAnExplicitInit) {
  using namespace corv::assets;
  const struct {
    const char* path;
    int width, height;
  } pictures[] = {{kTitlePicture, 550, 90},     {kPagePicture, 499, 368}, {kLauncherPicture, 400, 208},
                  {kAboutPicture, 274, 265},    {kIcon32, 32, 32},        {kIcon16, 16, 16}};
  for (const auto& p : pictures) {
    SCOPED_TRACE(p.path);
    const QImage img = readPicture(p.path);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(p.width, p.height));
  }
}

}  // namespace
