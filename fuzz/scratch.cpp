#include "fuzz/scratch.h"

#include <fstream>

#include "console/errors.h"
#include "fuzz/fuzz_checks.h"

namespace {

// The run's folder: a fresh name, so that runs side by side never share files.
struct RunFolder : TempFolder {
    RunFolder() {
        std::filesystem::create_directories(*this / "maps");
        std::filesystem::create_directories(*this / "save");
    }
};

const TempFolder& scratch() {
    static const RunFolder folder;
    return folder;
}

}  // namespace

InScratchFolder::InScratchFolder() : inside(scratch().path()) {}

void InScratchFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(scratch().path() / name, std::ios::binary | std::ios::trunc) << bytes;
}

void InScratchFolder::empty(const std::string& folder) const {
    for (const auto& entry : std::filesystem::directory_iterator(scratch().path() / folder))
        std::filesystem::remove_all(entry.path());
}

const ShippedWorld& shippedWorld() {
    static const ShippedWorld world = [] {
        const std::filesystem::path saved = std::filesystem::current_path();
        std::filesystem::current_path(DRIFTER_FUZZ_SHIPPED_DIR);
        ShippedWorld w;
        w.statusPanel.loadFromFile("maps\\stats.map");
        loadAllMaps(w.maps, w.mapNames);
        std::filesystem::current_path(saved);
        return w;
    }();
    return world;
}

void withoutFault(const char* where, const std::function<void()>& body) {
    const std::string at = std::string(" in ") + where;
    try {
        body();
    } catch (const FuzzFinding&) {
        throw;
    } catch (const errorBounds& e) {
        throw FuzzFinding("index " + std::to_string(e.index) + " out of range (largest " + std::to_string(e.max) +
                          ")" + at);
    } catch (const errorOverflow&) {
        throw FuzzFinding("a text or list overflowed" + at);
    } catch (const std::exception& e) {
        throw FuzzFinding(std::string("unexpected exception: ") + e.what() + at);
    }
}
