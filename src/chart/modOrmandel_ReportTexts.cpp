// The report's texts: the chakra and planet tables and the three explanations.
#include "chart/modOrmandel_Report.h"

std::array<QString, ChakraCount> ChakraNames;
std::array<QString, ChakraCount> ChakraDescriptions;
std::array<QString, ChakraCount> ChakraSymbols;
std::array<QString, ChakraCount> ChakraSanskritNames;
std::array<QString, ChakraCount> ChakraKeywords;
std::array<QString, ChakraCount> ChakraColors;
std::array<QString, ChakraCount> ChakraPositions;
std::array<QString, ChakraPlanetCount> ChakraPlanetNames;
std::array<QString, ChakraPlanetCount> EmissiveReadings;
std::array<QString, ChakraPlanetCount> ReceptiveReadings;
QString IntroText;
QString EmissiveText;
QString ReceptiveText;

void FillReportTables() {
  const QString paragraphBreak = QStringLiteral("\r\n\r\n");
  IntroText = QStringLiteral("QZ Astrology Ormandel provides you with an overview of how the seven chakras "
              "in the body affect your life. This report explains the significance of each "
              "chakra and describes the influence of the planets placed in each of these "
              "chakras in your own chart.") +
              paragraphBreak +
              QStringLiteral("Based on a person's natal or birth information, QZ Astrology Ormandel predicts "
              "the state of the person's health and well-being. Six chakras, all but the "
              "crown chakra, are projected at different levels of the natal chart. A planet "
              "placed in the projection area of a chakra affects that chakra according to the "
              "planet's nature.") +
              paragraphBreak +
              QStringLiteral("Chakras are the energy nodes all through the body that sustain the mind, the "
              "body and the soul. In Sanskrit the word \"chakra\" means \"wheel\", and each "
              "chakra can be pictured as a spinning wheel of energy. There are seven chakras "
              "in all. Six of them lie along the central energetic axis of the body, the "
              "channel called Sushumna Nadi, and these six are projected in the birth chart. "
              "The seventh, the crown chakra at the top of the head, is not projected in the "
              "chart, as it relates to the spiritual world, not the physical.");
  EmissiveText = QStringLiteral("This refers to the energy that is being sent out or used up. It is the yang "
      "side of each chakra, placed on the left side of the panel and influenced by "
      "the planets on the right side of the chart.");
  ReceptiveText = QStringLiteral("The Yin side of each chakra, it refers to the energy that the human body "
      "receives from the planetary influences on the left side of the Ormandel chart. "
      "It is placed on the right side of every row.");

  ChakraNames = {
      QStringLiteral("Crown chakra (Sahasrara)"),
      QStringLiteral("Third Eye Chakra (Ajna)"),
      QStringLiteral("Throat Chakra (Vishuddha)"),
      QStringLiteral("Heart Chakra (Anahata)"),
      QStringLiteral("Navel Chakra (Manipura)"),
      QStringLiteral("Sacral Chakra (Swadhisthanna)"),
      QStringLiteral("Root Chakra (Muladhara)"),
  };
  ChakraSanskritNames = {
      QStringLiteral("Sahasrara (thousand-fold)"),
      QStringLiteral("Ajna (perceive, to know)"),
      QStringLiteral("Visuddha (purification)"),
      QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking two things)"),
      QStringLiteral("Manipura (lustrous gem)"),
      QStringLiteral("Svadhisthana (sweetness)"),
      QStringLiteral("Muladhara (root)"),
  };
  ChakraColors = {
      QStringLiteral("Violet"),
      QStringLiteral("Indigo"),
      QStringLiteral("Blue"),
      QStringLiteral("Green"),
      QStringLiteral("Yellow"),
      QStringLiteral("Orange"),
      QStringLiteral("Red"),
  };
  ChakraKeywords = {
      QStringLiteral("Kundalini Shakti rises up the spinal column to unite with Shiva here. "
      "Enlightenment, Cosmic Consciousness, Oneness with the Divine, Bliss, Insight "
      "and Self-Realisation"),
      QStringLiteral("Transcending Senses, Experiencing God-In-Self or Atman"),
      QStringLiteral("Ego"),
      QStringLiteral("Impatience"),
      QStringLiteral("Irritation"),
      QStringLiteral("Purity and Attachments"),
      QStringLiteral("Patience and Greediness"),
  };
  ChakraSymbols = {
      QStringLiteral("Beautiful one Thousand Rainbow Colored Petals."),
      QStringLiteral("Circle, 2 Luminous Petals in which all the Elements are pooled."),
      QStringLiteral("White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray "
      "Petals."),
      QStringLiteral("Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red "
      "Petals."),
      QStringLiteral("Fiery Red Triangle, surrounded by 10 Blue Petals."),
      QStringLiteral("Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling "
      "water."),
      QStringLiteral("Yellow Yantra Square, covered by Four Red Petals represents the Four "
      "Directions of Earth."),
  };
  ChakraPositions = {
      QStringLiteral(""),
      QStringLiteral("Distanced at 30 degrees from the North Node on either side."),
      QStringLiteral("Distanced at 60 - 30 degrees from the North Node on either side."),
      QStringLiteral("Distanced at 90 - 120 degrees from the South Node and/or 90 - 60 degrees from "
      "the North Node on either side."),
      QStringLiteral("Distanced at 60 - 90 degrees from the South Node on either side."),
      QStringLiteral("Distanced at 30 - 60 degrees from the South Node on either side."),
      QStringLiteral("Distanced at 30 degrees distance from the South Node on either side."),
  };
  ChakraDescriptions = {
      QStringLiteral("This chakra is all about perception and intelligence, and our spiritual "
      "nature."),
      QStringLiteral("This state governs the nature of approach and vision of a person."),
      QStringLiteral("This chakra is all about expressing oneself. It governs the way a person "
      "speaks and behaves verbally, and shows how one matures in the art of "
      "communication."),
      QStringLiteral("World treats heart as the symbol of love, and this chakra is its true home. It "
      "governs the love, affection and kindness that a person offers and receives."),
      QStringLiteral("The name itself suggests the location of this chakra, which lies at the level "
      "of the navel. It governs the character of a person, together with their energy "
      "and their powers."),
      QStringLiteral("This chakra is located just above the root chakra. It governs the sexual "
      "desires, the emotions and the creativity of people."),
      QStringLiteral("This chakra is the root center at the bottom part of spine. It governs a "
      "person's physical strength and the basic instinct of survival."),
  };

  ChakraPlanetNames = {
      QStringLiteral("Sun"),
      QStringLiteral("Moon"),
      QStringLiteral("Mercury"),
      QStringLiteral("Venus"),
      QStringLiteral("Mars"),
      QStringLiteral("Jupiter"),
      QStringLiteral("Saturn"),
      QStringLiteral("Uranus"),
      QStringLiteral("Neptune"),
      QStringLiteral("Pluto"),
  };
  EmissiveReadings = {
      QStringLiteral("Sun enhances your controlling power."),
      QStringLiteral("This gives you a deep emotional feelings and a clear insight into yourself."),
      QStringLiteral("This increases mental control and your power of understanding."),
      QStringLiteral("You are seductive as well as erotic. You know well how to use your emotions to "
      "take control of people and situations."),
      QStringLiteral("You are brave, dynamic, energetic and courageous."),
      QStringLiteral("You are a logical, rational and a wise person."),
      QStringLiteral("You are strategic, economic and controlled in the use of energies."),
      QStringLiteral("You are spiritual and highly conscious of your energy level."),
      QStringLiteral("You tend to use your energy on a spiritual level."),
      QStringLiteral("You are passionate about astrology and the occult."),
  };
  ReceptiveReadings = {
      QStringLiteral("This results in the human body receiving a great deal of high-level energy, "
      "both from the chart and from people around you."),
      QStringLiteral("This enhances the receptive power of the native. You easily sense the "
      "information and the energy that reach you from nature and from others."),
      QStringLiteral("The native get easily influenced by what others say. This reveals a great "
      "mental receptivity in them."),
      QStringLiteral("You start getting a feeling of being loved and accepted by others. You are "
      "passionate about your hobbies and pastimes."),
      QStringLiteral("You are active, energetic and dynamic."),
      QStringLiteral("You are full of energy and interests."),
      QStringLiteral("You lack energy and courage."),
      QStringLiteral("You experience sudden outbursts of energy, and yet you stay dynamic."),
      QStringLiteral("In spite of your low energy level, you keep up good contact with the outside "
      "world and with others."),
      QStringLiteral("You are passionate and understanding."),
  };
}
