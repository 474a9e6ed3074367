// Reading and writing the items document, against the same content as JSON through
// two common JSON libraries, and against splitting the text into lines (the floor).
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"
#include "itemsample.h"

namespace {

using bench::itemSample;

void countBytes(benchmark::State& state, const std::string& text) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["items"] = static_cast<double>(itemSample().itemCount);
}

drevak::DvkDocument loadDocument(const std::string& text) {
    const std::vector<std::string_view> lines = tavrin::file::splitLines(text);
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

void LineSplit(benchmark::State& state) {
    const std::string& text = itemSample().documentText;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrin::file::splitLines(text));
    }
    countBytes(state, text);
}

void DvkLoad(benchmark::State& state) {
    const std::string& text = itemSample().documentText;
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadDocument(text));
    }
    countBytes(state, text);
}

void DvkSave(benchmark::State& state) {
    const std::string& text = itemSample().documentText;
    const drevak::DvkDocument document = loadDocument(text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.toString());
    }
    countBytes(state, text);
}

void DvkLoadSave(benchmark::State& state) {
    const std::string& text = itemSample().documentText;
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadDocument(text).toString());
    }
    countBytes(state, text);
}

void NlohmannParse(benchmark::State& state) {
    const std::string& text = itemSample().jsonText;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(text));
    }
    countBytes(state, text);
}

void NlohmannDump(benchmark::State& state) {
    const std::string& text = itemSample().jsonText;
    const nlohmann::json json = nlohmann::json::parse(text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(json.dump());
    }
    countBytes(state, text);
}

void NlohmannParseDump(benchmark::State& state) {
    const std::string& text = itemSample().jsonText;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(text).dump());
    }
    countBytes(state, text);
}

std::string rapidJsonText(const rapidjson::Document& document) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    document.Accept(writer);
    return {buffer.GetString(), buffer.GetSize()};
}

void RapidJsonParse(benchmark::State& state) {
    const std::string& text = itemSample().jsonText;
    for (auto _ : state) {
        rapidjson::Document document;
        document.Parse(text.c_str(), text.size());
        benchmark::DoNotOptimize(document.HasParseError());
    }
    countBytes(state, text);
}

void RapidJsonWrite(benchmark::State& state) {
    const std::string& text = itemSample().jsonText;
    rapidjson::Document document;
    document.Parse(text.c_str(), text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(rapidJsonText(document));
    }
    countBytes(state, text);
}

void RapidJsonParseWrite(benchmark::State& state) {
    const std::string& text = itemSample().jsonText;
    for (auto _ : state) {
        rapidjson::Document document;
        document.Parse(text.c_str(), text.size());
        benchmark::DoNotOptimize(rapidJsonText(document));
    }
    countBytes(state, text);
}

BENCHMARK(LineSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(DvkLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(DvkSave)->Unit(benchmark::kMillisecond);
BENCHMARK(DvkLoadSave)->Unit(benchmark::kMillisecond);
BENCHMARK(NlohmannParse)->Unit(benchmark::kMillisecond);
BENCHMARK(NlohmannDump)->Unit(benchmark::kMillisecond);
BENCHMARK(NlohmannParseDump)->Unit(benchmark::kMillisecond);
BENCHMARK(RapidJsonParse)->Unit(benchmark::kMillisecond);
BENCHMARK(RapidJsonWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(RapidJsonParseWrite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
