# The programs of the macOS build that run on this machine: write_nib, which compiles
# the panel's xib into the bundle's .nib (target nib), panel_test, which runs the
# panel's own source on GNUstep, and platform_test, the platform layer's portable
# parts against a stand-in converter. Run by the macos preset's build (nib) and by
# scripts/test-macos.sh, with the configuration the preset writes (CONFIG):
#   make -f Mac/build/gnustep.mk ROOT=... OUT=... CONFIG=... TARGET
ROOT ?= $(CURDIR)
OUT ?= $(ROOT)/build-macos
CONFIG ?= $(OUT)/cmake/kestrune.mk
include $(CONFIG)
DIR := $(OUT)/gnustep
NIB := $(OUT)/nib/Kestrune_ProgressPanel.nib

OBJC_FLAGS := $(filter-out -MMD -MP,$(shell $(KESTRUNE_GNUSTEP_CONFIG) --objc-flags)) -MMD -MP
# GNUstep's own headers trip this warning in Objective-C++.
OBJCXX_FLAGS := $(OBJC_FLAGS) -Wno-subobject-linkage
GUI_LIBS := $(shell $(KESTRUNE_GNUSTEP_CONFIG) --gui-libs)
INCLUDES := -I$(ROOT)/Mac -I$(KESTRUNE_PLATFORM_INTERFACE) -I$(ROOT)/host
# The flags of every build (CONFIG).
CXX_FLAGS := $(KESTRUNE_CXX_STANDARD) $(KESTRUNE_OPTIMIZATION) $(KESTRUNE_WARNINGS) -MMD -MP
CC := $(KESTRUNE_HOST_CC)
CXX := $(KESTRUNE_HOST_CXX)

PANEL_OBJECTS := $(DIR)/obj/Kestrune_ProgressPanel.o $(DIR)/obj/Kestrune_ProgressPanel+CodeBuiltWindow.o \
  $(DIR)/obj/ProgressWindow.o $(DIR)/obj/ProgressPanelTexts.o \
  $(DIR)/obj/panel_test_host.o $(DIR)/obj/panel_test.o
PLATFORM_TEST_SOURCES := $(ROOT)/tests/macos/platform_test.cpp $(ROOT)/tests/macos/fake_text_encoding_converter.cpp \
  $(ROOT)/Mac/TextConversion.cpp $(ROOT)/Mac/FileAppend.cpp $(ROOT)/Mac/FileReader.cpp

.PHONY: write_nib nib panel_test platform_test
write_nib: $(DIR)/write_nib
nib: $(NIB)
panel_test: $(DIR)/panel_test
platform_test: $(OUT)/linux/platform_test

$(DIR)/write_nib: $(ROOT)/Mac/build/write_nib.m
	@mkdir -p $(@D)
	$(CC) $(OBJC_FLAGS) -std=gnu11 $< -o $@ $(GUI_LIBS)

# The xib loaded and archived by GNUstep, which needs a display.
$(NIB): $(ROOT)/Mac/Kestrune_ProgressPanel.xib $(DIR)/write_nib
	@mkdir -p $(@D)
	@rm -f $@
	@bash $(ROOT)/tests/macos/with-xvfb.sh 60 $(DIR)/write_nib $< $@ 2>&1 \
	  | grep -v -e 'Failed to determine offsets' -e "can't be found" >&2 || true
	@test -f $@ || { echo "error: the nib was not written" >&2; exit 1; }

$(DIR)/panel_test: $(PANEL_OBJECTS)
	$(CXX) -o $@ $^ $(GUI_LIBS)

$(OUT)/linux/platform_test: $(PLATFORM_TEST_SOURCES) $(CONFIG)
	@mkdir -p $(@D)
	$(CXX) $(CXX_FLAGS) $(INCLUDES) $(PLATFORM_TEST_SOURCES) -o $@

$(DIR)/obj/%.o: $(ROOT)/Mac/%.m $(CONFIG)
	@mkdir -p $(@D)
	$(CC) $(OBJC_FLAGS) -std=gnu11 $(INCLUDES) -c $< -o $@
$(DIR)/obj/%.o: $(ROOT)/Mac/%.mm $(CONFIG)
	@mkdir -p $(@D)
	$(CXX) -x objective-c++ $(OBJCXX_FLAGS) -std=gnu++17 $(INCLUDES) -c $< -o $@
$(DIR)/obj/%.o: $(ROOT)/Mac/%.cpp $(CONFIG)
	@mkdir -p $(@D)
	$(CXX) $(CXX_FLAGS) $(INCLUDES) -c $< -o $@
$(DIR)/obj/panel_test_host.o: $(ROOT)/tests/macos/panel_test_host.cpp $(CONFIG)
	@mkdir -p $(@D)
	$(CXX) $(CXX_FLAGS) $(INCLUDES) -c $< -o $@
$(DIR)/obj/panel_test.o: $(ROOT)/tests/macos/panel_test.mm $(CONFIG)
	@mkdir -p $(@D)
	$(CXX) -x objective-c++ $(OBJCXX_FLAGS) -std=gnu++17 $(INCLUDES) -c $< -o $@

-include $(wildcard $(DIR)/obj/*.d)
