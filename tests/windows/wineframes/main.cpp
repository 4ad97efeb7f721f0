// hlv3_wineframes MODULE OUTDIR: loads the Windows module with LoadLibrary and
// GetProcAddress, as the host does, renders every shared frame case through
// its EffectMain and writes OUTDIR/<case>.raw for the Linux side to compare.
// Exit status 1 when a frame fails or the simulated host reports misuse.
#include <cstdio>
#include <string>

#include "simhost/Module.h"
#include "tests/windows/FrameCases.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hlv3_wineframes MODULE OUTDIR\n");
        return 2;
    }
    const simhost::Module module(argv[1]);
    if (!module.Loaded() || !module.EffectMain()) {
        std::fprintf(stderr, "hlv3_wineframes: %s\n", module.Error().c_str());
        return 1;
    }
    int status = 0;
    for (const WineFrameCase& c : kWineFrameCases) {
        std::vector<std::string> violations;
        const simhost::RenderedFrame frame =
            RenderWineFrameCase(module.EffectMain(), c, &violations);
        for (const std::string& v : violations) {
            std::fprintf(stderr, "hlv3_wineframes: %s: host check: %s\n", c.name, v.c_str());
            status = 1;
        }
        const std::string path = std::string(argv[2]) + "/" + c.name + ".raw";
        if (frame.preRenderErr != 0 || frame.err != 0 || !frame.hasOutput ||
            !WriteFrameFile(path, frame.output, frame.rect)) {
            std::fprintf(stderr, "hlv3_wineframes: %s: pre-render %d, render %d\n", c.name,
                         frame.preRenderErr, frame.err);
            status = 1;
            continue;
        }
        std::printf("%s: %d x %d at (%d, %d)\n", c.name, frame.output.width, frame.output.height,
                    frame.rect.left, frame.rect.top);
    }
    return status;
}
