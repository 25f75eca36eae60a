#include "RenderTestSupport.h"
#include "render/Panel.h"
#include "render/Sprite.h"

class PanelTest : public OffscreenView {
protected:
    // A red square behind (depth 5), 60 x 60 at the centre.
    void drawRedSquare()
    {
        Sprite square;
        square.colour = red;
        square.width = 60;
        square.height = 60;
        square.depth = 5.0f;
        renderer().setLighting(false);
        square.draw();
    }

    Panel panel()
    {
        Panel p;
        p.left = -20;
        p.right = 20;
        p.bottom = -10;
        p.top = 10;
        p.depth = 1.0f;
        p.fill = Colour{255, 255, 255, 128};
        p.rimColour = Colour{0, 255, 0, 255};
        p.rimWidth = 2.0f;
        return p;
    }
};

RENDER_TEST_ON_BOTH_BACKENDS(PanelTest);

TEST_P(PanelTest, ATranslucentFillMixesWithWhatLiesBehindAndTheRimIsSolid)
{
    drawRedSquare();
    panel().draw();
    // 128/255 white over red, over the blue background outside the square.
    const Colour overRed = at(0.5f, 0.5f);
    EXPECT_NEAR(overRed.r, 255, 1);
    EXPECT_NEAR(overRed.g, 128, 2);
    EXPECT_NEAR(overRed.b, 128, 2);
    EXPECT_TRUE(same(at(-19.0f, 0.5f), green)) << describe(at(-19.0f, 0.5f));
    EXPECT_TRUE(same(at(0.5f, 9.0f), green)) << describe(at(0.5f, 9.0f));
    EXPECT_TRUE(same(at(21.0f, 0.5f), red)) << "nothing outside the panel";
    EXPECT_TRUE(same(at(40.0f, 40.0f), background));
}

TEST_P(PanelTest, BlendingEndsWithThePanelAndTheLightingIsLeftAsItWas)
{
    renderer().setMaterial(1.0f);
    renderer().setAmbient(0.5f);
    renderer().setLighting(true);
    panel().draw();
    EXPECT_TRUE(renderer().lighting());
    // Unlit whatever the light: the fill over the background is its own
    // colour mixed, not the dimmed ambient.
    const Colour fill = at(0.5f, 0.5f);
    EXPECT_NEAR(fill.r, 128, 2) << describe(fill);
    EXPECT_NEAR(fill.b, 255, 2) << describe(fill);
    EXPECT_TRUE(same(at(-19.0f, 0.5f), green)) << "the rim keeps full brightness";
    renderer().setLighting(false);
    panel().draw();
    EXPECT_FALSE(renderer().lighting());

    // What is drawn next is opaque again: a half-transparent colour on a
    // sprite covers the background fully.
    context->clear();
    Sprite after;
    after.colour = Colour{255, 0, 0, 100};
    after.width = 10;
    after.height = 10;
    after.draw();
    EXPECT_TRUE(same(at(0.5f, 0.5f), red)) << describe(at(0.5f, 0.5f));
}

TEST_P(PanelTest, AnOpaquePanelCoversAndHidesWhatIsDrawnBehindItLater)
{
    Panel solid = panel();
    solid.fill = Colour{255, 255, 0, 255};
    solid.draw();
    drawRedSquare();
    EXPECT_TRUE(same(at(0.5f, 0.5f), Colour{255, 255, 0, 255})) << describe(at(0.5f, 0.5f));
    EXPECT_TRUE(same(at(25.0f, 0.5f), red));
}
