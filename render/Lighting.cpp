#include "render/Lighting.h"

#include "render/Renderer.h"

void setAmbientLight(float level)
{
    renderer().setAmbient(level);
}

void setFullLight()
{
    renderer().setAmbient(1.0f);
    renderer().setMaterial(1.0f);
}

void beginLitDrawing()
{
    renderer().setLighting(true);
    renderer().setMaterial(1.0f);
}

UnlitDrawing::UnlitDrawing()
    : wasLit_(renderer().lighting())
{
    renderer().setLighting(false);
}

UnlitDrawing::~UnlitDrawing()
{
    renderer().setLighting(wasLit_);
}

LitDrawing::LitDrawing()
    : wasLit_(renderer().lighting())
{
    renderer().setLighting(true);
}

LitDrawing::~LitDrawing()
{
    renderer().setLighting(wasLit_);
}
