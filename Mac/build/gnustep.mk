# The GNUstep programs of the macOS build: write_nib, which compiles the panel's xib
# into the bundle's .nib, and panel_test, which runs the panel's own source on
# GNUstep. Called by scripts/build-macos.sh and scripts/test-macos.sh:
#   make -f Mac/build/gnustep.mk ROOT=... OUT=... TARGET
ROOT ?= $(CURDIR)
OUT ?= $(ROOT)/build-macos
DIR := $(OUT)/gnustep

OBJC_FLAGS := $(filter-out -MMD -MP,$(shell gnustep-config --objc-flags)) -MMD -MP
# GNUstep's own headers trip this warning in Objective-C++.
OBJCXX_FLAGS := $(OBJC_FLAGS) -Wno-subobject-linkage
GUI_LIBS := $(shell gnustep-config --gui-libs)
INCLUDES := -I$(ROOT)/Mac -I$(ROOT)/SOURCE -I$(ROOT)/host

PANEL_OBJECTS := $(DIR)/obj/Kestrune_ProgressPanel.o $(DIR)/obj/Kestrune_ProgressPanel+CodeBuiltWindow.o \
  $(DIR)/obj/ProgressWindow.o $(DIR)/obj/ProgressPanelTexts.o $(DIR)/obj/panel_test_host.o $(DIR)/obj/panel_test.o

.PHONY: write_nib panel_test
write_nib: $(DIR)/write_nib
panel_test: $(DIR)/panel_test

$(DIR)/write_nib: $(ROOT)/Mac/build/write_nib.m
	@mkdir -p $(@D)
	gcc $(OBJC_FLAGS) -std=gnu11 $< -o $@ $(GUI_LIBS)

$(DIR)/panel_test: $(PANEL_OBJECTS)
	g++ -o $@ $^ $(GUI_LIBS)

$(DIR)/obj/%.o: $(ROOT)/Mac/%.m
	@mkdir -p $(@D)
	gcc $(OBJC_FLAGS) -std=gnu11 $(INCLUDES) -c $< -o $@
$(DIR)/obj/%.o: $(ROOT)/Mac/%.mm
	@mkdir -p $(@D)
	g++ -x objective-c++ $(OBJCXX_FLAGS) -std=gnu++17 $(INCLUDES) -c $< -o $@
$(DIR)/obj/%.o: $(ROOT)/Mac/%.cpp
	@mkdir -p $(@D)
	g++ -std=c++17 -O2 -Wall -Wextra -MMD -MP $(INCLUDES) -c $< -o $@
$(DIR)/obj/panel_test_host.o: $(ROOT)/tests/macos/panel_test_host.cpp
	@mkdir -p $(@D)
	g++ -std=c++17 -O2 -Wall -Wextra -MMD -MP $(INCLUDES) -c $< -o $@
$(DIR)/obj/panel_test.o: $(ROOT)/tests/macos/panel_test.mm
	@mkdir -p $(@D)
	g++ -x objective-c++ $(OBJCXX_FLAGS) -std=gnu++17 $(INCLUDES) -c $< -o $@

-include $(wildcard $(DIR)/obj/*.d)
