pelorin_fuzz_target(bmp DEPS pelorin_host_core)
