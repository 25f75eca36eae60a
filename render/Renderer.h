#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Colour.h"
#include "platform/FontDescription.h"
#include "platform/Glyphs.h"
#include "render/PictureLevels.h"
#include "render/RenderCommands.h"

// Everything the game draws goes through one Renderer: the frame's clear,
// the camera, the light, quads, panels and text, texture uploads and
// releases, and reading pixels back. It records what each frame asks for
// and a backend plays the record in the same order:
//
//   gl1    the fixed-function pipeline, immediate mode and display lists
//          (render/Gl1Renderer.h), the game's own look and the desktop's
//          default;
//   gles2  vertex buffers and one shader program that GLES 2, WebGL 1 and
//          desktop GL 2.1 all run (render/Gles2Renderer.h), batched;
//   null   no context at all (render/NullRenderer.h): it draws nothing and
//          counts what it was asked.
//
// A frame whose record equals the one last shown is not played again
// (endFrame): the picture on the screen is already the one it would draw.
//
// The state (viewport, camera, lighting, ambient level, material) persists
// from frame to frame as OpenGL's does; each frame's record begins with the
// state it starts under, so skipping a frame loses nothing.
//
// Every call needs the backend's context to be current (none for null).
class Renderer {
public:
    struct Viewport {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // What was drawn and what is held, for tests, benchmarks and the soak.
    struct Counts {
        long long framesDrawn = 0;   // frames played by endFrame
        long long framesSkipped = 0; // frames equal to the one shown, not played
        long long quads = 0;         // quads, rectangles and text lines played
        long long rects = 0;
        long long texts = 0;
        long long drawCalls = 0;     // the backend's draw calls (glBegin/glEnd, lists, batches)
        long long texturesMade = 0;  // texture names created, and deleted
        long long texturesDeleted = 0;
    };

    // Names the backend holds on its context, counted by asking the context
    // itself where there is one (so a name the bookkeeping lost still counts).
    struct Resources {
        int textures = 0;       // texture names alive (pictures and glyph pages)
        int picturePages = 0;   // alive besides them: gles2's shared picture pages
        int displayLists = 0;   // display lists alive (gl1's glyphs)
        int buffers = 0;        // vertex and index buffers alive
        int standingBuffers = 0; // of them, the backend's own for its whole life
    };

    virtual ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // "gl1", "gles2" or "null".
    virtual const char* name() const = 0;
    // False for a backend that shows nothing (null): pictures then need
    // no texels, only their size.
    virtual bool drawsPixels() const { return true; }

    // The drawable surface in pixels (the window's client area, or the
    // off-screen buffer): text is clipped to it, as bitmaps are.
    void setSurface(int width, int height);
    // The part of the surface the picture is drawn in; persists until
    // changed. As OpenGL takes a viewport: a negative width or height
    // changes nothing, a larger one than the backend can draw is cut to
    // its largest (maxViewportSide, 16384 where the backend has no limit).
    void setViewport(int x, int y, int width, int height);
    Viewport viewport() const;
    // The colour clear() fills with (black and transparent unless set).
    void setClearColour(float red, float green, float blue, float alpha);

    // A frame: beginFrame plays whatever was drawn outside a frame and
    // records the clear of colour, depth and stencil; endFrame plays the
    // frame, unless it equals the frame last shown and nothing since has
    // touched the picture, and says whether it did (false: there is nothing
    // new to swap to the screen).
    void beginFrame();
    bool endFrame();
    // The picture last shown was lost (the window was uncovered): the next
    // frame is played whatever it holds.
    void forgetShownFrame();
    // While false, frames are recorded but not played: a tool that looks at
    // one frame in many skips drawing the rest (each frame draws its whole
    // picture, so the frames it looks at are the same). True to begin with.
    void setFramesPlayed(bool played) { framesPlayed_ = played; }
    // Records a clear outside a frame (tools and tests).
    void clear();
    // Plays what is recorded and not yet played.
    void flush();

    // The camera: an orthographic projection of left..right, bottom..top,
    // near..far, the view translated by -(eyeX, eyeY, eyeZ).
    void setView(float left, float right, float bottom, float top, float nearPlane, float farPlane, float eyeX,
                 float eyeY, float eyeZ);
    // Lit drawing shows the ambient level x the material's reflectance in
    // place of a quad's colour (a picture is multiplied by it); unlit
    // drawing shows the colour.
    void setLighting(bool lit);
    bool lighting() const { return state_.lighting != 0; }
    // The light's ambient level on red, green and blue (0 dark, 1 full).
    void setAmbient(float level);
    float ambient() const { return state_.ambient; }
    // The material's ambient reflectance (the pipeline starts at 0.2).
    void setMaterial(float level);
    float material() const { return state_.material; }

    // Drawing, under the current camera and light.
    void drawQuad(const QuadCommand& quad);
    void drawRect(const RectCommand& rect);
    // One line of text of a glyph set (its rims with rims), codes 0-127,
    // from the raster position (x, y) at z = -depth.
    void drawText(unsigned int glyphSet, bool rims, float x, float y, float depth, Colour colour,
                  const std::string& text);

    // Uploads a picture's levels (render/PictureLevels.h) as a new texture;
    // returns its name, 0 when the backend cannot hold it (one line on
    // standard error says why).
    unsigned int uploadTexture(const std::vector<PictureLevel>& levels);
    // Deletes a texture once everything recorded with it is played.
    void releaseTexture(unsigned int name);
    // Whether the texture exists (after playing what is recorded).
    bool textureAlive(unsigned int name);
    // The longest side a texture may have; 0 when the backend has no limit of its own.
    virtual int maxTextureSide() const = 0;
    // The widest and highest viewport the backend can draw in; 0 when it has
    // no limit of its own.
    virtual int maxViewportSide() const { return 0; }

    // A glyph set: the glyphs of a typeface at a pixel height (and their
    // rims of rimWidth pixels), shared by every holder; the backend builds
    // what it draws them with the first time they are drawn. Returns its
    // id and sets metrics.
    unsigned int acquireGlyphs(const FontDescription& description, int pixelHeight, int rimWidth,
                               GlyphMetrics& metrics);
    // One holder gives the set back; the last one deletes it.
    void releaseGlyphs(unsigned int glyphSet);

    // The pixels of the rectangle as RGBA bytes, the bottom row first, after
    // playing what is recorded. All 0 where nothing can be read (null).
    std::vector<unsigned char> readPixels(int x, int y, int width, int height);
    Colour pixel(int x, int y);

    // Waits until everything played is drawn, as a buffer swap does (the
    // software renderer otherwise queues frame after frame, and the storage
    // of every texture deleted meanwhile).
    void finish();

    // The level 0 texels of a texture as the backend holds them, for
    // tests; false where it cannot say (gles2, null).
    bool readTexture(unsigned int name, PictureLevel& level);

    const Counts& counts() const { return counts_; }
    virtual Resources resources() = 0;

    // A number no other renderer of this process has had: what a holder of
    // a glyph set tells its renderer by, after that one may have gone.
    std::uint64_t serial() const { return serial_; }

    // Grows with every command recorded and every texture made or deleted:
    // a reader of pixels may keep what it read while this stays the same.
    std::uint64_t changes() const { return changes_; }

protected:
    // A glyph set as the backends see it.
    struct GlyphSet {
        std::string key;
        FontDescription description; // at the set's pixel height
        int rimWidth = 1;
        GlyphBitmaps letters;
        int holders = 0;
    };

    explicit Renderer(int surfaceWidth, int surfaceHeight);

    // The backend's part. play draws the commands [first, last) of a record
    // in order, starting from whatever it last played.
    virtual void play(const FrameRecord& record, std::size_t first, std::size_t last) = 0;
    virtual unsigned int createTexture(const std::vector<PictureLevel>& levels) = 0;
    virtual void deleteTexture(unsigned int name) = 0;
    virtual bool textureExists(unsigned int name) = 0;
    virtual void readBack(int x, int y, int width, int height, unsigned char* rgba) = 0;
    // The set is gone: the backend frees what it built for it.
    virtual void forgetGlyphSet(unsigned int) {}
    virtual void finishDrawing() {}
    virtual bool textureTexels(unsigned int, PictureLevel&) { return false; }

    // The glyph set with this id, or null.
    const GlyphSet* glyphSet(unsigned int id) const;

    // The drawing commands (quads, rectangles, text lines) of the part of
    // the record play is playing now.
    long long drawingCommandsPlaying() const { return playing_; }

    Counts counts_;

private:
    // Records the state before a drawing command when it differs from the
    // last one recorded, or none was since the record was emptied.
    void recordState();
    // Empties the record.
    void startRecord();
    // Plays the record from where it was last played, then deletes what was
    // released meanwhile.
    void playPending();
    // Plays what was drawn outside a frame once it is long.
    void playWhenLong();

    std::uint64_t serial_;
    std::uint64_t changes_ = 0;
    DrawState state_;
    FrameRecord record_;
    // How many of the record's quads, rectangles and text lines are played.
    std::size_t playedQuads_ = 0;
    std::size_t playedRects_ = 0;
    std::size_t playedTexts_ = 0;
    long long playing_ = 0;
    DrawState recordedState_;
    bool stateRecorded_ = false;
    std::size_t played_ = 0;
    bool inFrame_ = false;
    bool framesPlayed_ = true;
    bool playedInFrame_ = false;
    // The frame last shown, and whether it still stands on the screen.
    FrameRecord shown_;
    bool shownValid_ = false;
    // Texture names released while recorded commands might still draw them.
    std::vector<unsigned int> releasedTextures_;
    std::vector<unsigned int> releasedGlyphSets_;
    std::map<unsigned int, GlyphSet> glyphSets_;
    std::map<std::string, unsigned int> glyphSetsByKey_;
    unsigned int nextGlyphSet_ = 1;
};

// The renderer the game draws through: the one installed, or a null
// renderer while none is.
Renderer& renderer();

// Installs a renderer (null: back to the null renderer); the caller owns it
// and keeps it alive while it is installed.
void useRenderer(Renderer* renderer);

// The renderer installed, or null while none is.
Renderer* installedRenderer();
