#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "entities/EntityList.h"
#include "entities/HealthPickup.h"
#include "entities/ZombieIndex.h"
#include "play/HitFlash.h"
#include "play/PlayHud.h"
#include "play/PlaySounds.h"
#include "render/BitmapFont.h"
#include "render/PictureRequest.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class Knife;
class Ninja;

// The screen in which the game is played: the player's sprite in a fixed
// 200 x 200 field, the level's peppers, enemies, knives and health pickups,
// its background and optional intro text.
//
// Created by New Game (enter, setup(1)), by the load list (enter,
// setup(level), then hp, introShowing, score and level overwritten), and as
// the copy handed to the in-game menu. Owns every texture it loads and every
// object of its level.
class PlayScreen : public Screen {
public:
    PlayScreen();
    ~PlayScreen() override;

    // The play rules of one frame.
    void update() override;
    // Resets the game state and loads every picture the levels use.
    void enter() override;
    // Every picture a game from the first level to the last loads, in the
    // order it loads them: enter()'s, then each level's background (read
    // from the level files in the working directory). What a menu at rest
    // loads ahead (render/PicturePreloader.h).
    static std::vector<PictureRequest> picturesOfAGame();
    // Arrows move the player, Enter ends the intro pause, Esc or Home opens
    // the in-game menu with a copy of the running game.
    void keysHeld(const unsigned char* keys) override;
    // The window lost the focus: the in-game menu opens as Esc opens it,
    // unless the level fade or the death sequence runs.
    void focusLost() override;
    // Draws the level; also runs the level fade and the death sequence.
    void render() override;
    // Loads level n from "Levels\l<n>.lvl", replacing every object of the
    // previous level.
    void setup(int n) override;
    // The loop of the level shown (levels 1-5, 6-10, 11-15). It follows the
    // light where the light goes: through the death sequence, and through a
    // level fade that moves on to another loop.
    MusicCue musicCue() const override;

    // Writes level, hp, score and introShowing as a saved game to path.
    // Returns true when the file was written completely; otherwise false with
    // the system's reason in why (writeSaveRecord).
    bool saveGame(const std::string& path, std::error_code& why) const;
    bool saveGame(const std::string& path) const;

    // Builds the copy of the running game that the in-game menu holds: a new
    // play screen (enter, setup(level)) that takes over this screen's health,
    // score, peppers, player position, what each enemy keeps of itself
    // (Entity::takeOver), the knives in flight and the state of the health
    // pickups.
    std::unique_ptr<PlayScreen> snapshot() const;

    int hp = 30;
    int level = 1;
    int score = 0;
    bool introShowing = false;
    bool leaving = false;
    Texture knifeTexture;
    BitmapFont introText;
    Texture healthTexture;
    Sprite deadPicture;
    bool dying = false;
    Sprite healthBar;
    std::array<Texture, 3> cabbageTextures;
    std::array<Texture, 4> ninjaTextures;
    Texture zombieStillTexture;
    std::array<Texture, 5> zombieTextures;
    // The lunge pictures every zombie and every ninja of the level steps
    // through, as the level was loaded: the zombie pictures, and the ninja
    // pictures ending on the still zombie. One list per kind, which each
    // enemy points to.
    std::vector<Texture> zombieLungeFrames;
    std::vector<Texture> ninjaLungeFrames;
    std::array<Texture, 1> pirateTextures;
    Texture robotTexture;
    Texture fireTexture;
    Texture flameTexture;
    bool levelFading = false;
    bool nextLevelLoaded = false;
    float fadePhase = 0.0f;
    int pointsPerPepper = 0;
    Texture playerTexture;
    Texture pepperTexture;
    int peppersLeft = 0;
    Sprite background;
    Sprite player;
    Camera camera;
    std::list<std::unique_ptr<Knife>> projectiles;  // knives in flight; owned
    std::vector<Sprite> peppers;                    // in creation order
    EntityList entities;                            // every enemy, in creation order; owned
    std::vector<Ninja*> ninjas;                     // the ninjas of entities; not owned
    std::vector<HealthPickup> healthPickups;
    // What the level now loaded was placed from: the tick its random
    // generator was seeded with, and the ninjas' next leg before its ninjas
    // were made. A recording that starts in this level rebuilds it from them.
    std::uint32_t levelSeed = 0;
    bool ninjaLegAtLoad = false;
    // The zombies of `entities` in a grid of the field, for the robots' flames.
    ZombieIndex zombieIndex;
    // Listens to every enemy and knife of the level and plays what it hears.
    PlaySounds sounds;
    // Score, level and peppers left over play, the level banner and the
    // score at death: drawing only.
    PlayHud hud;
    // The moment after a hit: the figure flashes, the bar blinks (drawing only).
    HitFlash hitFlash;

    // Loads the background setup() named, if it is not loaded yet: render()
    // does before it draws it, so a New Game uploads it on the play screen's
    // first frame (its picture decoded ahead meanwhile, while the fade
    // shows the menu) rather than in the frame the player pressed New Game.
    // A picture that cannot be loaded is tried once: no background then.
    void loadBackground();

private:
    // Releases every texture the screen owns and forgets the names, so that
    // no name is ever deleted twice.
    void releaseTextures();

    // The picture of the level's background while it is still to load.
    std::string backgroundPicture_;
    // Destroys every object of the current level.
    void clearLevel();
    // Creates the level's objects, each group in the loader's order.
    void createPeppers(int count);
    void createHealthPickups(int count);
    void createZombies(int count);
    void createNinjas(int count);
    void createCabbages(int count);
    void createPirates(int count);
    void createRobots(int count);

    // update(): the rules of a running level.
    void collectPeppers();
    void takeDamage();
    void heal();
    void keepPlayerOnField();
    // The sound of the pepper just eaten: every fourth one sounds the tint's
    // note.
    void playPepperSound() const;
    // update(): the completion check and the player's tint, every frame.
    void checkCompletion();
    void tintPlayer();
    // Hands the game over to the ending screen after the last level.
    void winGame();

    // render(): the fade between two levels.
    void levelFadeStep();
    // render(): the death sequence: dims the light and grows the dead
    // picture (render draws it). Returns true when the play screen has just
    // been replaced by the title screen and must not draw any more.
    bool deathStep();
    // The player's figure, in the hit's colour while a hit flashes.
    void drawPlayer() const;
    void drawHealthBar();
    // The translucent panel behind the intro text.
    void drawIntroPanel() const;

    // Builds the snapshot and fades into the in-game menu holding it.
    void openInGameMenu();
};
