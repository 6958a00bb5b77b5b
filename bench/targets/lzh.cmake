pelorin_benchmark(lzh DEPS pelorin_skinfile)
