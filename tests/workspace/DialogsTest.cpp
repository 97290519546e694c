#include "platform/Dialogs.h"

#include <gtest/gtest.h>

TEST(Dialogs, FiltersMatchMasksInEitherCase) {
  EXPECT_EQ(WindowFilter("Brikolo Files (*.LGO)|*.LGO|LDraw files (*.DAT) |*.DAT|All files (*.*)|*.*"),
            "Brikolo Files (*.LGO *.lgo);;LDraw files (*.DAT *.dat);;All files (*.*)");
  EXPECT_EQ(WindowFilterEntry("Picture Files (*.bmp;*.jpg)|*.bmp;*.jpg", 1),
            "Picture Files (*.bmp *.BMP *.jpg *.JPG)");
  EXPECT_EQ(WindowFilterEntry("A|*.a", 2), "");
}

TEST(Dialogs, DefaultExtensionOnlyForNamesWithoutOne) {
  EXPECT_EQ(WithDefaultExtension("/m/house", "LGO"), "/m/house.lgo");
  EXPECT_EQ(WithDefaultExtension("/m/house.DAT", "LGO"), "/m/house.DAT");
  EXPECT_EQ(WithDefaultExtension("/my.models/house", "LGO"), "/my.models/house.lgo");
  EXPECT_EQ(WithDefaultExtension("", "LGO"), "");
}
