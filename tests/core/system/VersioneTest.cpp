#include <gtest/gtest.h>

#include "core/system/Versione.h"

using namespace ludo;

TEST(Versione, TextDropsTheSecondZeroAndTheCaptionTheFoldersAndExtension) {
    EXPECT_EQ(TestoVersione(400), "4.0");
    EXPECT_EQ(TestoVersione(410), "4.10");
    EXPECT_EQ(TestoVersione(1200), "12.0") << "the fourth character is the one removed";
    // The caption shows the file name without folder and extension.
    EXPECT_EQ(TitoloPrincipale("/home/u/.local/share/Ludomatic/SISTEMI/SENZANOME.LDS"), " Ludomatic 4.0 - SENZANOME");
    EXPECT_EQ(TitoloPrincipale("C:\\Ludo\\SISTEMI\\Mio.Sistema.LDS"), " Ludomatic 4.0 - Mio.Sistema");
    EXPECT_EQ(TitoloPrincipale("senza_estensione"), " Ludomatic 4.0 - senza_estensione");
}
