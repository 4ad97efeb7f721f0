#pragma once

// A simulated host with the interface-side suites, the plug-in's EffectMain
// as its entry point, and global and parameter set-up already sent. Each test
// ends by checking that the host saw no violation and that nothing the effect
// obtained is still open.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/EntryPoints.h"
#include "host/Links.h"
#include "simhost/ui/Drawbot.h"
#include "simhost/ui/Interface.h"
#include "simhost/SimHost.h"

class UiHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // No test may start a browser; tests that press a link install their
        // own recording opener over this one.
        previousOpener_ = ReplaceLinkOpenerForTesting(&RefuseToOpen);
        host.SetEntry(&EffectMain);
        ASSERT_EQ(host.Setup(), PF_Err_NONE);
        ui.ClearEvents();
    }

    void TearDown() override {
        EXPECT_EQ(ui.OpenEffectRefs(), 0) << "effect references left open";
        EXPECT_EQ(ui.OpenStreams(), 0) << "streams left open";
        EXPECT_EQ(drawbot.OpenImages(), 0) << "drawing images left alive";
        // Reported above; forgotten so that the next test starts clean.
        ui.TakeOpenReferences();
        drawbot.TakeOpenImages();
        host.GlobalSetdown();
        const std::vector<std::string> violations = host.Finish();
        for (const std::string& v : violations) {
            ADD_FAILURE() << "host violation: " << v;
        }
        ReplaceLinkOpenerForTesting(previousOpener_);
    }

    static int RefuseToOpen(const char*) { return 1; }

    simhost::Host host;
    simhost::InterfaceSuites ui{host};
    simhost::DrawbotHost drawbot{host};

  private:
    LinkOpener previousOpener_ = nullptr;
};
